// The Kelvo web viewer for a classic script:
//
//   <script src="kelvo-web.js" defer></script>   <img src="picture.png" data-kelvo alt="...">
//
// loads kelvo-web.mjs from beside this file and shows every <img data-kelvo> and
// <embed type="application/kelvo"> of the page. window.KelvoWeb is its only global: the
// module's exports once `KelvoWeb.ready` has resolved (to the module, or null when it could not
// be loaded: the pictures then stay plain, with the reason in data-error).
(() => {
    'use strict';
    if (window.KelvoWeb)
        return;
    // data-base on the script element names another folder for the viewer's files, data-lang
    // the language of its texts.
    const script = document.currentScript;
    const here = new URL(script?.dataset.base || '.', script ? script.src : location.href);
    const KelvoWeb = {base : here.href};
    window.KelvoWeb = KelvoWeb;
    KelvoWeb.ready =
        import(new URL('kelvo-web.mjs', here).href)
            .then(
                (module) => {
                    Object.assign(KelvoWeb, module);
                    module.setBase(KelvoWeb.base);
                    if (script?.dataset.lang)
                        module.setLanguage(script.dataset.lang);
                    const start = () => module.attach();
                    if (document.readyState === 'loading')
                        document.addEventListener('DOMContentLoaded', start);
                    else
                        start();
                    return module;
                },
                (e) => {
                    const reason =
                        location.protocol === 'file:'
                            ? 'the viewer needs the page served over http(s), not opened from a file'
                            : `the viewer could not be loaded (${e.message})`;
                    console.warn(`Kelvo: ${reason}`);
                    document.querySelectorAll('img[data-kelvo], embed[type="application/kelvo" i]')
                        .forEach((e) => Object.assign(e.dataset,
                                                      {kelvoState : 'error', error : reason}));
                    return null;
                });
})();
