// The page-side script that HTML from the Kelvo editor's HTML generator loads:
//
//   document.writeln( kelvo( "picture.png", 320, 240[, "link"] ) );
//
// kelvo() returns the <embed type="application/kelvo"> element for the picture; loading this
// script also loads the viewer kelvo-web.js from beside it, which shows such elements in every
// current browser.
(function() {
'use strict';
var here = document.currentScript ? document.currentScript.src : location.href;
var viewer = new URL('kelvo-web.js', here).href;

if (!window.KelvoWeb && !document.querySelector('script[data-kelvo-viewer]')) {
    var script = document.createElement('script');
    script.src = viewer;
    script.setAttribute('data-kelvo-viewer', '');
    (document.head || document.documentElement).appendChild(script);
}

function attribute(value) {
    return String(value).replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;');
}

window.kelvo = function(file, width, height, link) {
    var html = '<embed type="application/kelvo" kelvo="' + attribute(file) + '" width="' +
               attribute(width) + '" height="' + attribute(height) + '"';
    if (link !== undefined && link !== null) {
        html += ' href="' + attribute(link) + '"';
    }
    return html + '>';
};
})();
