#pragma once

#include <QLatin1String>
#include <QString>

#include <optional>

// The texts the windows keep in their hidden fields and the settings file holds, named once.
namespace Codes {

// The engine's register Edit1 before and after the main window's first activation: only the
// design text hands over to the wizard.
constexpr QLatin1String FirstActivation("777");
constexpr QLatin1String WizardShown("999");

// Flags, the wizard's step verdict in Edit1 among them: "1" accepted, "0" refused.
constexpr QLatin1String FlagOn("1");
constexpr QLatin1String FlagOff("0");

// The about window's drag register Edit7: no press, dragging the window, pressed and not moved
// yet (a release then is a click).
constexpr QLatin1String DragNone("0");
constexpr QLatin1String Dragging("1");
constexpr QLatin1String DragPressed("2");

// The hint setting, the first line of the settings file.
constexpr QLatin1String HintsOn("1");
constexpr QLatin1String HintsOff("0");

// What a settings line that holds no valid value stands for: the tips on, as the controls are
// designed, and the normal speed.
constexpr QLatin1String DefaultHints("1");
constexpr QLatin1String DefaultSpeed("2");

} // namespace Codes

// Whether tool tips show by the hint setting; no answer for any other text, which leaves the
// tips as they are.
inline std::optional<bool> hintsShown(const QString &setting)
{
    if (setting == Codes::HintsOn)
        return true;
    if (setting == Codes::HintsOff)
        return false;
    return std::nullopt;
}

inline QLatin1String hintSetting(bool shown)
{
    return shown ? Codes::HintsOn : Codes::HintsOff;
}

// The animation speed, the second line of the settings file, and the timer intervals it gives the
// wizard's page turns and the main window's intro, in milliseconds.
struct AnimationSpeed {
    QLatin1String setting;
    int wizardInterval;
    int introInterval;
};

// Slow, normal and fast, in the settings window's order.
inline constexpr AnimationSpeed AnimationSpeeds[] = {
    {QLatin1String("1"), 1000, 200},
    {QLatin1String("2"), 250, 150},
    {QLatin1String("3"), 50, 50},
};

// The speed the setting names, or nullptr for any other text.
inline const AnimationSpeed *animationSpeed(const QString &setting)
{
    for (const AnimationSpeed &speed : AnimationSpeeds) {
        if (setting == speed.setting)
            return &speed;
    }
    return nullptr;
}
