// The three kinds of game a player can set up.
#include "core/board/game_setup.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
int boardSide(int size)
{
    return std::clamp(size, SmallestBoard, LargestBoard);
}
} // namespace

GameSetup GameSetup::numbers(int size)
{
    GameSetup setup;
    setup.size = boardSide(size);
    return setup;
}

GameSetup GameSetup::stockPicture(int size, int stock, const QImage &goal)
{
    GameSetup setup;
    setup.stock = std::clamp(stock, 0, StockPictureCount - 1);
    const StockPicture &picture = StockPictures[setup.stock];
    setup.size = boardSide(size);
    setup.kind = GameKind::Picture;
    setup.goalPicture = goal;
    setup.SkillLevel = picture.skillLevel;
    setup.shownName = QString::fromLatin1(picture.caption);
    return setup;
}

GameSetup GameSetup::customPicture(int size, const QImage &goal, const QString &file)
{
    GameSetup setup;
    setup.pictureFile = file;
    setup.size = boardSide(size);
    setup.kind = GameKind::Picture;
    setup.goalPicture = goal;
    setup.SkillLevel = SkillCustom;
    // A picture of the player's own has no list and no stock name; the option's caption names it.
    setup.shownName = QString::fromLatin1(CustomPictureName);
    return setup;
}

QString shownNameText(const QString &shownName)
{
    return QCoreApplication::translate("GameSetup", shownName.toUtf8().constData());
}
