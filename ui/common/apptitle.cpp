#include "ui/common/apptitle.h"

#include "ui/common/uistrings.h"

namespace {

QString &Title()
{
    static QString title = UiStrings::ApplicationTitle();
    return title;
}

} // namespace

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString &title)
{
    Title() = title;
}
