// The 24 settings keys, their reading and writing, and the recovery after a run that changed its
// settings and did not end cleanly.
#include "core/TGame.h"

#include "core/program_state.h"
#include "framework/cc_files.h"
#include "framework/cc_ini.h"
#include "framework/cc_strings.h"
#include "framework/cc_timing.h"
#include "platform/TStream.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "profiles/player_names.h"

#include <algorithm>
#include <vector>

namespace {

const char* const kGoodExit = "GoodExit.dat";
const char* const kIniChanged = "inichanged.dat";

// An empty marker file, written whole or not at all.
void WriteMarker(const std::string& path) {
    if (platform::SaveTextAtomic(path, "")) ccShareFileOSX(path);
}

// A percentage read from the file, held to 0..100 as every setter holds it.
int Percent(const std::string& text) {
    int value = platform::ToInt(text);
    ccRangeCheck100(value);
    return value;
}

// A player's name from the file; one that could not name a profile file means no player.
std::string CheckedName(const std::string& name) {
    return PlayerNameProblem(name).empty() ? name : "";
}

} // namespace

int TGame::IniFill() {
    Ini->Clear();
    auto add = [this](const std::string& key, const std::string& value) { Ini->Add(key, value); };
    auto addInt = [&add](const std::string& key, int value) { add(key, std::to_string(value)); };
    add("Version No", VERSION_NO);
    addInt("Full Screen", FullScreen);
    addInt("Sound", Sound);
    // While paused or in the background the switches are off only for the moment.
    bool away = Paused != 0 || Suspended != 0;
    addInt("Music", away ? PausedMusicState : Music);
    addInt("Speech", away ? PausedSpeechState : Speech);
    addInt("Sound Volume", SoundVolume);
    addInt("Music Volume", MusicVolume);
    addInt("Speech Volume", SpeechVolume);
    addInt("Fade", Fade);
    addInt("Particles", Particles);
    addInt("Portal Splash", PortalSplash);
    addInt("Portal Splash2", PortalSplash2);
    addInt("Intro", IntroShow);
    addInt("VSync", VSync);
    addInt("Driver", Driver);
    add("Sound Driver", SoundDriver);
    addInt("Full Screen Process Priority", FullScreenProcess);
    addInt("Full Screen Thread Priority", FullScreenThread);
    addInt("Windowed Process Priority", WindowedProcess);
    addInt("Windowed Thread Priority", WindowedThread);
    add("Profile Name", ProfileName);
    addInt("Region", Region);
    addInt("Sub-Region", SubRegion);
    addInt("Custom Mouse Pointer", CustomMousePointer);
    return 0;
}

int TGame::IniExtract() {
    struct TIntKey {
        const char* key;
        int TGame::*field;
        bool percent;
    };
    static const TIntKey kInts[] = {
        {"FULL SCREEN", &TGame::FullScreen, false},
        {"SOUND", &TGame::Sound, false},
        {"MUSIC", &TGame::Music, false},
        {"SPEECH", &TGame::Speech, false},
        {"SOUND VOLUME", &TGame::SoundVolume, true},
        {"MUSIC VOLUME", &TGame::MusicVolume, true},
        {"SPEECH VOLUME", &TGame::SpeechVolume, true},
        {"FADE", &TGame::Fade, false},
        {"PARTICLES", &TGame::Particles, true},
        {"PORTAL SPLASH", &TGame::PortalSplash, false},
        {"PORTAL SPLASH2", &TGame::PortalSplash2, false},
        {"INTRO", &TGame::IntroShow, false},
        {"VSYNC", &TGame::VSync, false},
        {"DRIVER", &TGame::Driver, false},
        {"FULL SCREEN PROCESS PRIORITY", &TGame::FullScreenProcess, false},
        {"FULL SCREEN THREAD PRIORITY", &TGame::FullScreenThread, false},
        {"WINDOWED PROCESS PRIORITY", &TGame::WindowedProcess, false},
        {"WINDOWED THREAD PRIORITY", &TGame::WindowedThread, false},
        {"REGION", &TGame::Region, false},
        {"SUB-REGION", &TGame::SubRegion, false},
        {"CUSTOM MOUSE POINTER", &TGame::CustomMousePointer, false},
    };
    for (const TIniLineRef& line : *Ini) {
        std::string key = platform::Upper(line->Name);
        if (key == "VERSION NO") {
            VersionNumber = line->Value;
        } else if (key == "SOUND DRIVER") {
            SoundDriver = line->Value;
        } else if (key == "PROFILE NAME") {
            ProfileName = CheckedName(line->Value);
        } else {
            for (const TIntKey& entry : kInts) {
                if (key != entry.key) continue;
                this->*entry.field = entry.percent ? Percent(line->Value) : platform::ToInt(line->Value);
                break;
            }
        }
    }
    return 0;
}

int TGame::IniUpdate(int changed) {
    IniFill();
    Ini->Save();
    if (changed != 0) WriteMarker(SubPath + kIniChanged);
    return 0;
}

int TGame::MakeGoodExit() {
    WriteMarker(Game->SubPath + kGoodExit);
    return 0;
}

namespace {

// The packaged defaults with the player's name on its line (added when the defaults have none);
// only the name when the defaults cannot be read.
std::string RestoredSettings(const std::string& defaultsPath, const std::string& name) {
    const std::string nameLine = "PROFILE NAME=" + ccIniValueForLine(name);
    TStringArray lines;
    if (!ccReadTextLines(defaultsPath, lines)) return nameLine + "\r\n";
    std::string text;
    bool named = false;
    for (const std::string& line : lines) {
        if (platform::Upper(ccIniFirstString(line)) == "PROFILE NAME") {
            text += nameLine + "\r\n";
            named = true;
        } else {
            text += line + "\r\n";
        }
    }
    if (!named) text += nameLine + "\r\n";
    return text;
}

} // namespace

int TGame::CheckGoodExit() {
    const std::string goodExit = SubPath + kGoodExit;
    const std::string iniChanged = SubPath + kIniChanged;
    if (ccFileExists(goodExit)) {
        platform::DeleteFile(goodExit);
    } else if (ccFileExists(iniChanged)) {
        const std::string settings = SettingsFileName() + ".ini";
        std::string name = ccReadIniLine(settings, "profile name");
        // The restored file replaces the old one in one step: never a moment without settings.
        if (platform::SaveTextAtomic(settings, RestoredSettings(DataPrefix + "data/default.ini", name))) {
            ccShareFileOSX(settings);
            platform::Notify("Default ini file restored!");
        }
    }
    platform::DeleteFile(iniChanged);
    return 0;
}
