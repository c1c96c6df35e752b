// Runs in every page of the panes, in a script world of the tool's own that the wiki's scripts
// cannot reach, after qwebchannel.js. It tells the module which editor the page shows, puts in
// what the module sends (as data, over the web channel), and says when the user changes it; and
// it tells the module of the user's clicks on links the engine drops without a word.
(function () {
    'use strict';
    if (typeof qt === 'undefined' || !qt.webChannelTransport) return;

    // The wiki's edit form; none on other pages and on an edit conflict's form, which holds two
    // texts of which only the user may choose.
    function editForm() {
        const form = document.getElementById('editform');
        const box = document.getElementById('wpTextbox1');
        if (!form || !box || box.tagName !== 'TEXTAREA' || document.getElementById('wpTextbox2'))
            return null;
        let title = '';
        try {
            title = new URL(form.action).searchParams.get('title') || '';
        } catch (e) {
            return null;
        }
        return {title: title, box: box, summary: document.getElementById('wpSummary')};
    }

    function setAsTyped(field, value) {
        field.value = value;
        field.dispatchEvent(new Event('input', {bubbles: true}));
        field.dispatchEvent(new Event('change', {bubbles: true}));
    }

    // Runs as the document is made: the channel is set up while the page is still parsed, and
    // the editor is read once the page's text is all there.
    function whenParsed(then) {
        if (document.readyState === 'loading') {
            document.addEventListener('DOMContentLoaded', then, {once: true});
        } else {
            then();
        }
    }

    new QWebChannel(qt.webChannelTransport, function (channel) {
        // Read once, as the channel connects: the module's number moves on as soon as the
        // window opens another address here, while this page may still report.
        const visit = channel.objects.editor.visit;
        watchLinks(channel.objects.links);
        whenParsed(function () { connected(channel.objects.editor, visit); });
    });

    // A link to a local file is dropped by the engine before any navigation the module sees;
    // the module says why. Only the user's own clicks count, and only those the page let be.
    function watchLinks(links) {
        for (const kind of ['click', 'auxclick']) {
            window.addEventListener(kind, function (event) {
                if (!event.isTrusted || event.defaultPrevented) return;
                const link = event.target instanceof Element ? event.target.closest('a[href]') : null;
                if (link && link.protocol === 'file:') links.clicked(link.href);
            });
        }
    }

    function connected(editor, visit) {
        const form = editForm();
        let filled = null;
        // The module's own fill is not the user's typing, and is not read again.
        let filling = false;

        function stillFilled() {
            return filled !== null && form.box.value === filled.text &&
                (!form.summary || form.summary.value === filled.summary);
        }
        function report() {
            editor.shown(visit, form ? form.title : '', form ? form.box.value : '');
        }

        if (form) {
            editor.fillRequested.connect(function (title, expected, text, summary) {
                if (title !== form.title) return;
                // The user typed since the module read the editor: it reads it again.
                if (form.box.value !== expected) return report();
                filling = true;
                try {
                    setAsTyped(form.box, text);
                    if (form.summary) setAsTyped(form.summary, summary);
                } finally {
                    filling = false;
                }
                filled = {text: text, summary: summary};
                editor.filled(visit, title);
            });
            // Any change of the user's, however it is made, makes the editor the user's.
            const changed = function () {
                if (filled !== null && !stillFilled()) {
                    filled = null;
                    editor.changed();
                }
            };
            for (const field of [form.box, form.summary]) {
                if (field) field.addEventListener('input', changed);
            }
            window.addEventListener('beforeunload', changed, true);
            // What the user types or pastes is read again, a moment after, so that the window
            // can tell a text that the editor now holds twice.
            let reread = null;
            form.box.addEventListener('input', function () {
                if (filling) return;
                clearTimeout(reread);
                reread = setTimeout(report, 300);
            });
        }
        report();
    }
})();
