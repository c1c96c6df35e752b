#include "window/control_names.h"

#include "window/pane_labels.h"

namespace nominator {

std::string_view NameOf(Box box) {
    switch (box) {
        case Box::Text1:
            return "Text1";
        case Box::Reason:
            return "Reason";
        case Box::Text2:
            return "Text2";
        case Box::Text3:
            return "Text3";
        case Box::Text5:
            return "Text5";
        case Box::Text6:
            return "Text6";
        case Box::Further:
            return "Further";
        case Box::Topics:
            return "Topics";
    }
    return "";
}

std::string_view NameOf(Control control) {
    switch (control) {
        case Control::Text2:
            return "Text2";
        case Control::Text3:
            return "Text3";
        case Control::Text5:
            return "Text5";
        case Control::Text6:
            return "Text6";
        case Control::Tabby:
            return "Tabby";
        case Control::Status:
            return "Status";
    }
    return "";
}

std::string_view NameOf(Choice choice) {
    switch (choice) {
        case Choice::Category:
            return "Category";
    }
    return "";
}

std::string NameOf(Pane pane) { return PaneObjectName(static_cast<int>(pane)); }

}  // namespace nominator
