#pragma once

#include <QAbstractListModel>
#include <vector>

#include "window/nomination_view.h"

namespace nominator {

// The panes as the panes' QML makes them, one row a pane in tab order: the view's object name,
// and what a screen reader calls the pane and says of it.
class PaneList : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { ViewName = Qt::UserRole + 1, PaneName, PaneDescription };

    using QAbstractListModel::QAbstractListModel;

    // Rows that stay keep their place, and so their delegates; the others come or go at the end.
    void setLabels(const std::vector<PaneLabel>& labels);
    const std::vector<PaneLabel>& labels() const { return labels_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    std::vector<PaneLabel> labels_;
};

}  // namespace nominator
