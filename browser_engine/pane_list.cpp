#include "browser_engine/pane_list.h"

#include <algorithm>

#include "window/pane_labels.h"
#include "window/qt/utf8.h"

namespace nominator {

void PaneList::setLabels(const std::vector<PaneLabel>& labels) {
    const int before = static_cast<int>(labels_.size());
    const int after = static_cast<int>(labels.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        labels_.resize(labels.size());
        endRemoveRows();
    }
    const int staying = std::min(before, after);
    for (int row = 0; row < staying; ++row) {
        const auto at = static_cast<std::size_t>(row);
        if (labels_[at] == labels[at]) continue;
        labels_[at] = labels[at];
        emit dataChanged(index(row), index(row), {PaneName, PaneDescription});
    }
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        labels_.insert(labels_.end(), labels.begin() + before, labels.end());
        endInsertRows();
    }
}

int PaneList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(labels_.size());
}

QVariant PaneList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const PaneLabel& label = labels_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case ViewName:
            return ToQString(PaneObjectName(index.row()));
        case PaneName:
            return ToQString(label.name);
        case PaneDescription:
            return ToQString(label.description);
        default:
            return {};
    }
}

QHash<int, QByteArray> PaneList::roleNames() const {
    return {{ViewName, "viewName"}, {PaneName, "paneName"}, {PaneDescription, "paneDescription"}};
}

}  // namespace nominator
