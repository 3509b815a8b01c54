#pragma once
// Shows a LineList in a list view, one row per line, decoded from windows-1250
// as rows come into view; the list keeps its bytes.

#include "line_list.h"
#include "windows1250.h"

#include <QAbstractListModel>

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Rows are this many pixels high, all of them.
    static constexpr int kRowHeight = 13;

    LineListModel(zrl::LineList& lines, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void listChanged();

    zrl::LineList& lines_;
    int rows_ = 0;
    zrl::Windows1250Decoder decoder_;
};
