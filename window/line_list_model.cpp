#include "line_list_model.h"

#include <QSize>

LineListModel::LineListModel(zrl::LineList& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines), rows_(lines.Count())
{
    lines_.SetChangeListener([this] { listChanged(); });
}

int LineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant LineListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromUtf8(decoder_.ToUtf8(lines_.Line(index.row())));
    case Qt::SizeHintRole:
        return QSize(1, kRowHeight);
    default:
        return {};
    }
}

// Lines replaced in place keep the view's selection; a list that grew or
// shrank is shown anew.
void LineListModel::listChanged()
{
    if (lines_.Count() == rows_) {
        if (rows_ > 0)
            emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    rows_ = lines_.Count();
    endResetModel();
}
