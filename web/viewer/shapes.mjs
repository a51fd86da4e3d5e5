// Draws a region's shaped texts (boxes, ellipses, speech and think bubbles) as the native viewers
// do.

const SPEECH_MAX_ARC_POINTS = 2048;

function normalizedAngle(a) {
    const n = a % 360;
    return n < 0 ? n + 360 : n;
}

function speechOutline(l, t, r, b, angle1, angle2, peak) {
    const rx = (r - l) / 2;
    const ry = (b - t) / 2;
    const cx = l + rx;
    const cy = t + ry;
    const start = normalizedAngle(angle1);
    const end = normalizedAngle(angle2);
    const span = end > start ? end - start : end + 360 - start;
    const startRad = (start * Math.PI) / 180;
    const spanRad = (span * Math.PI) / 180;
    const steps =
        Math.min(SPEECH_MAX_ARC_POINTS, Math.max(2, Math.trunc((spanRad * Math.max(rx, ry)) / 2)));
    const points = [];
    for (let i = 0; i <= steps; i++) {
        const a = startRad + (spanRad * i) / steps;
        // Not rounded to whole pixels as the native outline is: a smooth path draws cleaner.
        points.push([ cx + rx * Math.cos(a), cy - ry * Math.sin(a) ]);
    }
    points.push(peak);
    return points;
}

// The stored weight codes as the native viewers map them; sizes in pixels (negative) keep
// the default size there, as here.
const FONT_WEIGHTS = {
    25 : 300,
    63 : 600,
    75 : 700,
    87 : 900
};

function cssFont(font) {
    const weight = FONT_WEIGHTS[font.weight] || 400;
    const size = font.pointSize > 0 ? `${font.pointSize}pt` : '13px';
    return `${font.italic ? 'italic ' : ''}${weight} ${size} "${font.family}", sans-serif`;
}

function wrapLines(ctx, text, width) {
    const lines = [];
    for (const paragraph of text.split('\n')) {
        let line = '';
        for (const word of paragraph.split(' ')) {
            const candidate = line ? `${line} ${word}` : word;
            if (line && ctx.measureText(candidate).width > width) {
                lines.push(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push(line);
    }
    return lines;
}

// Draws one shape in its own coordinates (the widget's top left at 0, 0).
export function drawShape(ctx, s) {
    const [l, t, r, b] = s.rect;
    const w = s.outlineWidth;
    ctx.save();
    ctx.lineJoin = 'miter';
    ctx.strokeStyle = s.outlineColour;
    ctx.fillStyle = s.backgroundColour;
    ctx.lineWidth = 2 * w - (w % 2);
    const path = new Path2D();
    const ellipse = (x0, y0, x1, y1) => {
        path.moveTo(x1, (y0 + y1) / 2);
        path.ellipse((x0 + x1) / 2, (y0 + y1) / 2, Math.max(0, (x1 - x0) / 2),
                     Math.max(0, (y1 - y0) / 2), 0, 0, 2 * Math.PI);
    };
    if (s.kind === 1) {
        path.rect(l + 0.5, t + 0.5, r - l, b - t);
        ctx.lineWidth = w;
    } else if (s.kind === 2) {
        ellipse(l + 0.5, t + 0.5, r - 0.5, b - 0.5);
    } else if (s.kind === 3) {
        const points = speechOutline(l, t, r, b, s.angles[0], s.angles[1], s.peak);
        points.forEach(([ x, y ], i) =>
                           (i ? path.lineTo(x + 0.5, y + 0.5) : path.moveTo(x + 0.5, y + 0.5)));
        path.closePath();
    } else if (s.kind === 4) {
        ellipse(l + 0.5, t + 0.5, r - 0.5, b - 0.5);
        for (const [x, y, cw, ch] of s.circles)
            ellipse(x + 0.5, y + 0.5, x + cw - 1.5, y + ch - 1.5);
    }
    if (s.filled)
        ctx.fill(path, 'nonzero');
    // Ellipses and bubbles are cut to their shape, so only the inner half of their wide pen
    // shows, as in the native viewers.
    if (s.kind !== 1)
        ctx.clip(path);
    if (w > 0)
        ctx.stroke(path);
    ctx.font = cssFont(s.font);
    ctx.fillStyle = s.textColour;
    ctx.textBaseline = 'top';
    const boxWidth = Math.max(1, r - l + 1);
    const lines = wrapLines(ctx, s.text, boxWidth);
    const widest = Math.max(...lines.map((line) => ctx.measureText(line).width));
    const lineHeight =
        ctx.measureText('Mg').fontBoundingBoxAscent + ctx.measureText('Mg').fontBoundingBoxDescent;
    lines.forEach((line, i) => {
        const lw = ctx.measureText(line).width;
        const dx = s.alignment === 2 ? (widest - lw) / 2 : s.alignment === 3 ? widest - lw : 0;
        ctx.fillText(line, s.labelX + dx, s.labelY + i * lineHeight);
    });
    ctx.restore();
}
