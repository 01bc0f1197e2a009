// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Content paths are written as the course tables give them: relative to the current directory, with
// backslashes (or forward slashes) and in whatever letter case the table uses. The content tree on a Linux
// disk may spell its names differently, so each component is matched without regard to case.
namespace ContentPath {

// The path under the current directory that an error message names: the current directory joined with
// the content path, in the platform's separators.
QString fullPath(const QString& contentPath);

// The real file that the content path names: each component matched against its directory, an exact
// match first, otherwise one that differs only in letter case. When nothing matches, the full path is
// returned unchanged, so that opening it fails with the system's own reason.
QString resolve(const QString& contentPath);

// The extension of a content path (without the dot, as written), e.g. "JPG" for "pic011.JPG".
QString extension(const QString& contentPath);

} // namespace ContentPath
