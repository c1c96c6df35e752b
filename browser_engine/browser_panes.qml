import QtQuick
import QtWebEngine

// The three browser panes, one over the other; only the selected one is shown. The engine
// module gives the profile, selects the pane and opens the addresses.
Item {
    id: panes

    required property WebEngineProfile profile
    // What a screen reader says of each pane, in tab order.
    required property var paneNames
    required property var paneDescriptions
    property int selected: 0
    // One zoom for all three panes.
    property real zoom: 1.0

    // Tab and Shift+Tab at the ends of a page move the focus here; the module then hands it
    // back to the window's own controls.
    Item {
        objectName: "leaveBackward"
        activeFocusOnTab: true
    }
    Item {
        anchors.fill: parent
        visible: panes.selected === 0
        Accessible.role: Accessible.Pane
        Accessible.name: panes.paneNames[0]
        Accessible.description: panes.paneDescriptions[0]
        WebEngineView {
            objectName: "Browser"
            anchors.fill: parent
            profile: panes.profile
            zoomFactor: panes.zoom
        }
    }
    Item {
        anchors.fill: parent
        visible: panes.selected === 1
        Accessible.role: Accessible.Pane
        Accessible.name: panes.paneNames[1]
        Accessible.description: panes.paneDescriptions[1]
        WebEngineView {
            objectName: "Browser2"
            anchors.fill: parent
            profile: panes.profile
            zoomFactor: panes.zoom
        }
    }
    Item {
        anchors.fill: parent
        visible: panes.selected === 2
        Accessible.role: Accessible.Pane
        Accessible.name: panes.paneNames[2]
        Accessible.description: panes.paneDescriptions[2]
        WebEngineView {
            objectName: "Browser3"
            anchors.fill: parent
            profile: panes.profile
            zoomFactor: panes.zoom
        }
    }
    Item {
        objectName: "leaveForward"
        activeFocusOnTab: true
    }
    // Never shown: asks the wiki's API with the panes' login.
    WebEngineView {
        objectName: "NominationCheck"
        profile: panes.profile
        visible: false
    }
}
