import QtQuick
import QtWebChannel
import QtWebEngine

// The browser panes, one a tab, one over the other; only the selected one is shown. The engine
// module gives the profile and the list of panes, selects the pane and opens the addresses.
// What a page asks of its user (menus, dialogs, the question before it is left) goes to
// `requests`, which answers it with the window's own widgets.
Item {
    id: panes

    required property WebEngineProfile profile
    // One row a pane, in tab order: its view's object name, and what a screen reader says of
    // it (PaneList's roles).
    required property var paneList
    required property QtObject requests
    // Run in every page of the panes, in the tool's own script world, which alone reaches the
    // pane's web channel.
    required property string pageScript
    property int selected: 0
    // One zoom for all the panes.
    property real zoom: 1.0

    component Pane: Item {
        id: pane

        required property int index
        required property string viewName
        required property string paneName
        required property string paneDescription

        anchors.fill: parent
        visible: panes.selected === index
        Accessible.role: Accessible.Pane
        Accessible.name: paneName
        Accessible.description: paneDescription
        WebChannel {
            id: channel

            Component.onCompleted: registerObjects({
                    "editor": panes.requests.editorChannel(pane.index),
                    "links": panes.requests.linkChannel(pane.index)
                })
        }
        // A download is the profile's; the pane whose page offered it asks where to save it.
        Connections {
            target: panes.profile

            function onDownloadRequested(download) {
                if (download.view === view)
                    panes.requests.download(pane.index, download);
            }
        }
        WebEngineView {
            id: view

            objectName: pane.viewName
            anchors.fill: parent
            profile: panes.profile
            zoomFactor: panes.zoom
            webChannel: channel
            webChannelWorld: WebEngineScript.ApplicationWorld
            // Every address, whatever its scheme, reaches onNavigationRequested, where the module
            // decides where it goes; the engine hands nothing to the desktop itself.
            settings.unknownUrlSchemePolicy: WebEngineSettings.AllowAllUnknownUrlSchemes

            Component.onCompleted: {
                const script = WebEngine.script();
                script.name = "editorFill";
                script.sourceCode = panes.pageScript;
                script.injectionPoint = WebEngineScript.DocumentCreation;
                script.worldId = WebEngineScript.ApplicationWorld;
                userScripts.insert(script);
            }

            // A WebAction by its number, for the module's menu and its closing.
            function act(action) {
                triggerWebAction(action);
            }

            onContextMenuRequested: request => panes.requests.contextMenu(pane.index, request)
            onJavaScriptDialogRequested: request => panes.requests.javaScriptDialog(pane.index,
                                                                                    request)
            onAuthenticationDialogRequested: request => panes.requests.signIn(pane.index, request)
            onFileDialogRequested: request => panes.requests.fileDialog(pane.index, request)
            onColorDialogRequested: request => panes.requests.colourDialog(pane.index, request)
            onTooltipRequested: request => panes.requests.tooltip(pane.index, request)
            onLoadingChanged: loading => panes.requests.loadingChanged(pane.index, loading.url,
                                                                       loading.status)
            onWindowCloseRequested: panes.requests.closeAgreed(pane.index)
            // Only the wiki's own pages open here; the module sends the rest elsewhere.
            onNavigationRequested: request => panes.requests.navigation(pane.index, request)
            onNewWindowRequested: request => panes.requests.newWindow(pane.index, request)
            onUrlChanged: panes.requests.addressChanged(pane.index, url)
        }
    }

    // Tab and Shift+Tab at the ends of a page move the focus here; the module then hands it
    // back to the window's own controls.
    Item {
        objectName: "leaveBackward"
        activeFocusOnTab: true
    }
    // The panes come between the two in the tab chain, as the repeater puts them right after
    // itself among the panes' children.
    Repeater {
        objectName: "paneRepeater"
        model: panes.paneList

        delegate: Pane {}
    }
    Item {
        objectName: "leaveForward"
        activeFocusOnTab: true
    }
    // Never shown: asks the wiki's API with the panes' login. No page a screen reader could
    // land on either.
    WebEngineView {
        objectName: "NominationCheck"
        profile: panes.profile
        visible: false
        Accessible.ignored: true
    }
}
