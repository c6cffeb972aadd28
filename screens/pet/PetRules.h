#pragma once

#include <QDate>
#include <QTime>
#include <QtGlobal>

// The arithmetic of the pet's life, apart from the screen that shows it, so
// that every rule reads in one place. All of the pet's values are 16-bit:
// a result is clamped into that range instead of wrapping.
namespace tarovin::pet {

// Values shown as percentages stop at this ceiling when they grow.
constexpr int fullPercent = 100;

// Stages of life, as stored under "STAU".
enum Stage : qint16 { NoLion = 1, Cub = 2, Adult = 3, RanAway = 4 };

// 100 - value inside 0..100; anything else comes back unchanged.
double ReversePercent(double value);

// Closeness after the first opening on a later day: a well-kept lion
// (satiety and mood adding up to 100 or more) loses nothing, a neglected one
// loses more than 20 points at once, and a lion at 100/100 gains 5.
qint16 closenessAfterNewDay(qint16 closeness, qint16 food, qint16 mood);

// A value after time away: value - awayMinutes / minutesPerPoint, to the
// nearest integer with halves to the even neighbour.
qint16 afterTimeAway(qint16 value, qint32 awayMinutes, int minutesPerPoint);

// value + step, held at 100.
qint16 raisedAtMost100(qint16 value, int step);
// value - step, with no lower bound but the 16-bit one.
qint16 lowered(qint16 value, int step);

// A stored date or clock time that is no real one (only an imported save can
// bring that) counts as the fallback.
QDate dateOr(qint16 year, qint16 month, qint16 day, const QDate& fallback);
QTime timeOr(qint16 hour, qint16 minute, const QTime& fallback);

// The room's ground line, in twips: the lion stands on the green floor,
// or on the bed at the right of the room, and an adult, being taller, stands
// higher so that its feet meet the same line.
namespace room {
constexpr int width = 14370;      // the window's inner width
constexpr int floorTop = 5900;    // a cub's Top on the floor
constexpr int bedTop = 4500;      // a cub's Top on the bed
constexpr int bedFrom = 9112;     // Left range of the bed, both ends included
constexpr int bedTo = 12247;
constexpr int adultLift = 500;    // an adult is 500 twips taller than a cub
constexpr int middle = 5280;      // where a lion let go far off comes back
constexpr int farRight = 12000;   // Left at or beyond these is too far off
constexpr int farLeft = -500;
constexpr int step = 200;         // one walking step
} // namespace room

struct Spot {
    int left;
    int top;
};
// Where a lion comes to rest from a given Left: back to the middle when it is
// too far off, then down on the floor or the bed.
Spot settled(int left, bool adult);

} // namespace tarovin::pet
