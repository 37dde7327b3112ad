#pragma once
// Whether something listens on a TCP port of this network namespace, read
// from the kernel's socket tables. Finding out by binding the port (or by
// connecting to it) would itself take the port, or a slot of the game on
// it, for a moment: a program starting just then could be refused the port.
#include <QtGlobal>

#include <QList>

bool listeningOn(quint16 port);
// The ports on which something listens at 127.0.0.1 only.
QList<quint16> loopbackListeners();
