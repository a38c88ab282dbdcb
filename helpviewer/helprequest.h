#pragma once

#include <QString>

// How a request for the help reaches the viewer that already shows the help file. The viewer
// listens on a local socket (HelpChannel); the main program only ever writes one line to it, so
// this side needs nothing beyond Qt Core and keeps Qt Network out of the main program's start.
namespace HelpRequest {

// The socket's path: the same for every path that leads to the same file, private to the user;
// "" when no private place can be had.
QString socketPath(const QString &helpFile);

// Hands a request for a topic (1 is the contents) to the viewer that shows `helpFile`. Returns
// at once, false when no viewer listens.
bool handOver(const QString &helpFile, int topic);

} // namespace HelpRequest
