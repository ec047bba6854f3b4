#include "core/TGame.h"

#include "core/TScreen.h"
#include "core/program_state.h"
#include "framework/cc_draw.h"
#include "framework/cc_errors.h"
#include "framework/cc_files.h"
#include "framework/cc_numbers.h"
#include "framework/cc_system.h"
#include "framework/cc_timing.h"
#include "framework/core_services.h"
#include "media/TGameFade.h"
#include "media/TLoadingScreen.h"
#include "platform/TStream.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "platform/system.h"
#include "profiles/THighScoreList.h"

TGameRef Game;

TGame::TGame()
    : Ini(std::make_shared<TIniFile>()), VersionNumber(VERSION_NO),
      FixedRateLogic(std::make_shared<TFixedRateLogic>()), LogicTime(std::make_shared<TDebugVar>()),
      DrawTime(std::make_shared<TDebugVar>()), CodeTime(std::make_shared<TDebugVar>()),
      FPS(std::make_shared<TFPSCounter>()) {
    // The rest of the owned objects, in their order.
    LoadingScreen = std::make_shared<TLoadingScreen>();
    ExitScreen = std::make_shared<TExitScreen>();
    GameFade = std::make_shared<TGameFade>();
    Mouse = std::make_shared<TMousePointer>();
    HighScores = std::make_shared<THighScoreList>();
}

namespace {

// Creates the per-user folder with its missing parents and opens up only the levels this start
// created, from SubPath up to the base folder: a level that existed keeps its mode.
void CreateUserFolder(const std::string& subPath, const std::string& base) {
    std::vector<std::string> created;
    std::string level = subPath;
    while (level != base && !level.empty()) {
        if (platform::FileType(level) != platform::FILETYPE_NONE) break;
        created.push_back(level);
        level.pop_back();
        size_t slash = level.rfind('/');
        if (slash == std::string::npos) break;
        level.resize(slash + 1);
    }
    if (!platform::CreateDir(subPath, true)) {
        ccRunTimeError("Cannot create shared data folder " + subPath, 1);
        return;
    }
    for (const std::string& folder : created)
        ccShareFileOSX(folder);
}

// The packaged defaults become the settings file when there is none; an empty one stays.
void CopyDefaultSettings(const std::string& settings, const std::string& defaults) {
    if (ccFileExists(settings) || !ccFileExists(defaults)) return;
    DebugInt = 5001;
    std::string text;
    if (platform::LoadText(defaults, text) && platform::SaveTextAtomic(settings, text))
        ccShareFileOSX(settings);
}

} // namespace

int TGame::Init(int first, int perUser) {
    DebugInt = 1;
    platform::SeedRnd(platform::MilliSecs());
    FixedRateLogic->Label = "Ticks   ";
    LogicTime->Label = "Logic   ";
    DrawTime->Label = "Draw    ";
    CodeTime->Label = "Code    ";
    FPS->Label = "FPS     ";

    if (UseCorrectPath == 1) {
        DebugInt = 1001;
        if (!platform::ReadDir(SubPath)) {
            DebugInt = 1002;
            std::string base =
                ccAddSlash(perUser != 0 ? ccGetMacProfileUserDataFolder() : ccGetSharedUserDataFolder());
            CreateUserFolder(SubPath, base);
        }
    }
    DebugInt = 3;
    Ini->FileName = SettingsFileName();
    DebugInt = 4;
    IniFill();
    DebugInt = 5;
    CopyDefaultSettings(Ini->Path(), DataPrefix + "data/Default.ini");
    DebugInt = 5002;
    Ini->Load();
    DebugInt = 6;
    IniExtract();

    DebugInt = 6001;
    if (!platform::ReadDir(ProfilePath)) {
        DebugInt = 6002;
        if (!platform::CreateDir(ProfilePath, false)) {
            ccRunTimeError("Cannot create shared profiles folder " + ProfilePath, 1);
        } else {
            ccShareFileOSX(ProfilePath);
        }
    }
    DebugInt = 7;
    SetFlipSync();

    DebugInt = 8;
    DebugInt = 8001;
    static const char* const kDrivers[] = {"FreeAudio", "DirectSound", "OpenAL Generic Software"};
    if (first > 0) {
        if (first <= 3) ChangeSoundDriver(kDrivers[first - 1], 0);
    } else {
        ChangeSoundDriver(SoundDriver == "None" ? "FreeAudio" : SoundDriver, 0);
    }
    DebugInt = 8002;
    DebugInt = 8004;
    FixedRateLogic->Create();
    DebugInt = 2;
    MusicChannel = platform::AllocChannel();
    SpeechChannel = platform::AllocChannel();
    EscapeChannel = platform::AllocChannel();
    DebugInt = 9;
    // The clock has its tick length from here on (ChangeSoundDriver restarted it), so tick
    // conversions made anywhere in the game may use it.
    if (FixedRateLogic->MS <= 0) FixedRateLogic->CalcMS();
    SetCalcAnimLength([](float ms) { return Game ? Game->CalcAnimLengthFromFloat(ms) : ms / 5.0f; });
    return 0;
}

int TGame::Kill() {
    platform::StopChannel(MusicChannel);
    MusicChannel = nullptr;
    platform::StopChannel(SpeechChannel);
    SpeechChannel = nullptr;
    platform::StopChannel(EscapeChannel);
    EscapeChannel = nullptr;
    return ChannelsKill();
}

int TGame::ParticlesSet(int percent, int save) {
    ccRangeCheck100(percent);
    Particles = percent;
    if (save == 1) {
        IniUpdate(1);
        FixedRateLogic->Init();
    }
    return 0;
}

int TGame::ParticlesChange(int step) {
    int percent = Particles + step;
    ccRangeCheck100(percent);
    Particles = percent;
    IniUpdate(1);
    FixedRateLogic->Init();
    return 0;
}

float TGame::CalcAnimLength(int ms) const {
    return CalcAnimLengthFromFloat(float(ms));
}

float TGame::CalcAnimLengthFromFloat(float ms) const {
    return ms / FixedRateLogic->MS / CurrentSpeed;
}

int TGame::CalcMilliSecsFromFrames(int ticks, int useSpeed) const {
    float speed = useSpeed != 0 ? CurrentSpeed : 1.0f;
    return int(float(ticks) * FixedRateLogic->MS * speed);
}

int TGame::GetMusicVolume() const {
    if (CustomMusicVolume == 0) return MusicVolume;
    return TruncToInt(double(MusicVolume) * (double(CustomMusicVolume) / 100.0));
}

int TGame::MusicNone() {
    MusicFileName = "none";
    MusicName = "none";
    MusicRestart = 1;
    return 0;
}

int TGame::Fading() const {
    return GameFade->Active;
}

int TGame::FadeOff() {
    NoFade = 1;
    return 0;
}

int TGame::MoveBar() {
    // The window keeps answering the desktop between two loaded assets.
    platform::PollSystem();
    LoadingScreen->Progress();
    LoadingScreen->Draw();
    ccFlip();
    return 0;
}

std::string TGame::SettingsFileName() const {
    return SubPath + "Sleetwhistle";
}
