// The game on the host: start, roll, move, and the computer player's pacing.
#include "tserver.h"

#include "catalogue.h"

void TServer::handOverToComputer(int) {}
void TServer::sendGameStats(int) {}
void TServer::startgame(int, wire::Fields&) {}
void TServer::rolldice(int, wire::Fields&) {}
void TServer::movepiece(int, wire::Fields&) {}
void TServer::botspeed(int, wire::Fields&) {}
