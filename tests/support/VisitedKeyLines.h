#pragma once

#include "settings/ProfileParser.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace quillmark::test {

// Every key line a profile reader visits in `sections`, as "<section index><key>=<value>", so the
// lean readers of a device and of the whole text can be compared line for line.
template <typename Source>
QList<QByteArray> VisitedKeyLines(Source&& source, const QStringList& sections) {
    QList<QByteArray> visits;
    ProfileParser::VisitSections(
        source, sections, [&visits](qsizetype section, const ProfileKeyLine& line) {
            visits.append(QByteArray::number(section) + line.Key.toByteArray() + "=" +
                          line.Value.toByteArray());
        });
    return visits;
}

} // namespace quillmark::test
