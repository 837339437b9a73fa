#pragma once

#include <QHeaderView>

namespace quillmark {

// The parameter list's column headers, measured in the font they are drawn in. The toolkit measures
// every title in bold, for headers that embolden the current section; this one never does, and a
// bold font would be loaded at start-up only to be measured.
class ParamListHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit ParamListHeader(QWidget* parent = nullptr);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

} // namespace quillmark
