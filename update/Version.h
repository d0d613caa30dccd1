#pragma once

#include <QString>

namespace TandUpdate {

// A release's number as major.minor.patch. Missing parts read as 0; a text
// that is not such a number reads as {0,0,0}, which also stands for
// "unreadable", so an unreadable version is never newer than a real one.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString& text);
};

bool operator<(const Version& left, const Version& right);
bool operator==(const Version& left, const Version& right);

} // namespace TandUpdate
