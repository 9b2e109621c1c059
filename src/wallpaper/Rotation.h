#pragma once

#include <functional>
#include <string>

#include "app/Config.h"
#include "platform/Clock.h"

namespace lumora {

// One row of the interval table: the timer period and the interval button's caption.
struct RotationInterval {
    int periodMs;
    const char* caption;  // nullptr for an index outside the table: the caption stays
};

// Automatic rotation's state and step, owned by the main window, which drives it from its
// timer and its rotation button. The flag and the next position are taken from the settings
// once, kept in memory and written back at every change.
class Rotation {
public:
    using ApplyFunction = std::function<void(const std::string& picturePath)>;

    // The collection directory is read at every rotation, so a folder picked in the settings
    // takes effect at the next one: it must outlive the rotation.
    Rotation(const Config& config, const std::string& collectionDirectory, ApplyFunction apply,
             Clock& clock);
    Rotation(const Config&, const std::string&&, ApplyFunction, Clock&) = delete;

    // The period and caption for an interval index; every minute outside 0 to 6.
    static RotationInterval IntervalFor(int index);

    // Above 0: each tick rotates.
    int Flag() const { return m_flag; }
    int NextPosition() const { return m_nextPosition; }
    // The interval index read at construction.
    int IntervalIndex() const { return m_intervalIndex; }

    // How long after start the first tick is due: what is left of the interval since the last
    // change on record, 0 when that is past. A whole interval when no change is on record (the
    // present moment is then put on record, so a program that never runs a whole interval
    // still changes the wallpaper at a later start) or when the record lies ahead (the clock
    // was set back).
    int FirstTickDelayMs() const;

    // A timer tick: rotates while the flag is above 0.
    void Tick();
    // Applies the picture at the next position of the folder's own order, then advances the
    // position (modulo the number of pictures) and writes it to LCLINDEX, and the time of the
    // change to LASTCHANGE.
    void RotateWallpaper();
    // The flag becomes 0 when it is exactly 1, and 1 otherwise; written to AUTO. Returns it.
    int Toggle();

private:
    Config m_config;
    const std::string& m_collectionDirectory;
    ApplyFunction m_apply;
    Clock& m_clock;
    int m_flag;
    int m_nextPosition;
    int m_intervalIndex;
};

}  // namespace lumora
