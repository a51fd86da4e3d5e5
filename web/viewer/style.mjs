// The viewer's styles, adopted as a constructed stylesheet: no <style> element or style
// attribute that a strict Content-Security-Policy would block. Positions and sizes are set
// through the CSSOM, which such a policy allows.
const CSS = `
.kelvo-layer{position:absolute;z-index:1;touch-action:manipulation;font:13px sans-serif;color:#000}
.kelvo-layer canvas{position:absolute;left:0;top:0;width:100%;height:100%;pointer-events:none}
.kelvo-surface{position:absolute;inset:0;display:block;outline-offset:2px;cursor:default}
.kelvo-surface:focus-visible{outline:2px solid #2a62c9}
a.kelvo-surface{cursor:pointer}
.kelvo-menu-button{position:absolute;right:4px;top:4px;width:28px;height:28px;padding:0;
  border:1px solid #555;border-radius:4px;background:#f8f8f8e0;color:#000;font:16px/1 sans-serif;
  opacity:0;cursor:pointer}
.kelvo-layer:hover .kelvo-menu-button,.kelvo-layer:focus-within .kelvo-menu-button,
.kelvo-menu-button[aria-expanded=true]{opacity:1}
@media (pointer:coarse){.kelvo-menu-button{opacity:1;width:32px;height:32px}}
.kelvo-balloon{position:fixed;inset:auto;margin:0;z-index:10;width:max-content;max-width:min(240px,calc(100vw - 16px));
  box-sizing:border-box;overflow:visible;background:#c0c0c0;color:#000;border:1px solid #808080;
  border-radius:6px;padding:8px 12px;white-space:pre-wrap;overflow-wrap:anywhere;
  box-shadow:2px 2px 4px rgba(0,0,0,.35);font:13px sans-serif}
.kelvo-balloon:not(:popover-open){display:none}
.kelvo-balloon .kelvo-terms{border-top:1px solid #808080;margin-top:6px;padding-top:6px}
.kelvo-pin{position:absolute;width:16px;height:16px;border-radius:50%;padding:0;
  border:1px solid #555;background:radial-gradient(circle at 35% 35%,#fff,#aaa);cursor:pointer}
.kelvo-pin[aria-pressed=true]{background:radial-gradient(circle at 35% 35%,#fc6,#c60)}
.kelvo-pin.left{left:-8px}.kelvo-pin.right{right:-8px}
.kelvo-pin.top{top:-8px}.kelvo-pin.bottom{bottom:-8px}
.touch>.kelvo-pin{width:24px;height:24px}
.touch>.kelvo-pin.left{left:-12px}.touch>.kelvo-pin.right{right:-12px}
.touch>.kelvo-pin.top{top:-12px}.touch>.kelvo-pin.bottom{bottom:-12px}
.kelvo-live{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}
.kelvo-embed{position:relative;display:inline-block;vertical-align:bottom;font:13px sans-serif;color:#000}
.kelvo-embed>img{display:block}
.kelvo-status{position:absolute;inset:0;display:flex;flex-direction:column;justify-content:safe flex-end;
  background:#f4f4f4;border:1px solid #ccc;box-sizing:border-box;padding:2px;gap:2px;overflow:auto}
.kelvo-status>*{flex-shrink:0}
.kelvo-status .kelvo-row{display:flex;gap:4px;align-items:center;white-space:pre;min-height:1.3em}
.kelvo-embed:is([data-kelvo-state=message],[data-kelvo-state=error]) .kelvo-row{white-space:normal;
  overflow-wrap:anywhere;line-height:1.2}
.kelvo-status .kelvo-centre{flex:1;display:flex;align-items:center;justify-content:center;
  text-align:center;padding:0 12.5%;white-space:normal;font-weight:bold}
.kelvo-embed[data-kelvo-state=error] .kelvo-status{background:#fff0f0;border-color:#d88}
.kelvo-embed[data-kelvo-state=error] .kelvo-row{font-size:11px}
.kelvo-embed[data-kelvo-state=error][data-link] .kelvo-status{cursor:pointer}
.kelvo-menu{position:fixed;z-index:1000;background:#f8f8f8;border:1px solid #999;padding:3px 0;margin:0;
  box-shadow:2px 2px 6px rgba(0,0,0,.3);font:13px sans-serif;color:#000;min-width:180px;
  max-width:calc(100vw - 8px);box-sizing:border-box;overflow:visible}
.kelvo-menu [role^=menuitem]{display:block;box-sizing:border-box;padding:5px 18px 5px 22px;
  cursor:default;position:relative;white-space:nowrap}
.kelvo-menu [aria-checked=true]::before{content:'\\2713';position:absolute;left:6px}
.kelvo-menu [aria-haspopup]::after{content:'\\25B8';position:absolute;right:6px}
.kelvo-menu [role^=menuitem]:hover:not([aria-disabled=true]),
.kelvo-menu [role^=menuitem]:focus{background:#3465a4;color:#fff;outline:none}
.kelvo-menu [aria-disabled=true]{color:#595959}
.kelvo-menu [role=separator]{border-top:1px solid #ccc;margin:3px 0}
.kelvo-menu .kelvo-sub{display:none;position:absolute;left:100%;top:-4px}
.kelvo-menu .kelvo-sub.kelvo-flip{left:auto;right:100%}
.kelvo-menu .kelvo-has-sub{position:relative}
.kelvo-menu .kelvo-has-sub:hover>.kelvo-sub,.kelvo-menu .kelvo-has-sub.open>.kelvo-sub{display:block}
@media (max-width:600px){.kelvo-menu .kelvo-sub{position:static;box-shadow:none;border:0;padding-left:12px}}
.kelvo-dialog{font:13px sans-serif;border:1px solid #888;padding:10px;background:#e8e3e3;color:#000;
  max-width:calc(100vw - 32px);box-sizing:border-box}
.kelvo-dialog table{border-spacing:0 1px}.kelvo-dialog td{padding:0 6px 0 0;vertical-align:top}
.kelvo-dialog td:first-child{white-space:pre}
.kelvo-dialog input{min-width:200px;max-width:100%;background:#fff;border:1px solid #767676}
.kelvo-dialog h2{font-size:14px;margin:0 0 10px}
.kelvo-dialog .kelvo-about{white-space:pre-line}
`;

let adopted = false;

export function adoptStyle() {
    if (adopted)
        return;
    adopted = true;
    const sheet = new CSSStyleSheet();
    sheet.replaceSync(CSS);
    document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet ];
}
