// The application title: it names the running program to the desktop and is
// the caption of the error box. Kept here rather than as Qt's application
// display name, which Qt would append to the caption of every window.
#pragma once

#include <QString>

QString ApplicationTitle();
void SetApplicationTitle(const QString &title);
