#pragma once

#include <QStringList>
#include <QStringView>

namespace page {

// The templates a fresh workspace gets, line by line. temp1 is also what a page is made from
// when the chosen template has gone missing, so first-run writing and that fallback share this
// one copy.
QStringList builtInTemplate1Lines();
QStringList builtInTemplate2Lines();
QStringList builtInTemplate3Lines();
// Made for phones first: no fixed widths, relative text sizes.
QStringList builtInTemplate4Lines();

struct BuiltInTemplate {
    QStringView fileName; // in the template folder
    QStringList (*lines)();
};
inline constexpr BuiltInTemplate kBuiltInTemplates[] = {
    {u"temp1.tmpl", builtInTemplate1Lines},
    {u"temp2.tmpl", builtInTemplate2Lines},
    {u"temp3.tmpl", builtInTemplate3Lines},
    {u"temp4.tmpl", builtInTemplate4Lines},
};

} // namespace page
