#include "params/ParamListHeader.h"

#include <QStyleOptionHeader>

namespace quillmark {

ParamListHeader::ParamListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

QSize ParamListHeader::sectionSizeFromContents(int logicalIndex) const {
    if (model() == nullptr) {
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.section = logicalIndex;
    const QVariant titleFont = model()->headerData(logicalIndex, orientation(), Qt::FontRole);
    option.fontMetrics =
        titleFont.canConvert<QFont>() ? QFontMetrics(titleFont.value<QFont>()) : fontMetrics();
    option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
}

} // namespace quillmark
