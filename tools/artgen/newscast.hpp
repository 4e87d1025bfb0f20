// The news on a television in a dark room: the newsreader, a photograph beside her and the headline.
#pragma once

#include "people.hpp"

#include <QPainter>
#include <QString>

namespace artgen {

struct Newscast {
    const Character& pictured;  // the person in the photograph beside the newsreader
    Pose pictureMood;           // how they look in it
    bool readerSmiles = false;
    QString headline;
    QString subline;
};

void newscast(QPainter& p, const Newscast& news);

}  // namespace artgen
