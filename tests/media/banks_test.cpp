// The image and sound banks: file names, keys and extensions, sizes and handles, memory sums,
// and the exact reports for missing names and missing files.
#include "media_fixture.h"

#include "media/TImageBank.h"
#include "media/TSoundBank.h"
#include "platform/image.h"

#include <functional>

#include <sys/wait.h>

using namespace mediatest;

namespace {

class BankTest : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        WritePicture(dir, "gems.png", 350, 50); // seven 50 x 50 frames side by side
        WritePicture(dir, "odd.png", 51, 51);
        WritePicture(dir, "tall.png", 64, 100);
        WritePicture(dir, "photo.jpg", 64, 100); // loaders tell pictures apart by content
        bank.SetPath(dir.Path());
    }
    TImageBank bank;
};

struct ImageCase {
    const char* what;
    std::function<void(TImageBank&)> load;
    const char* find;
    const char* key;
    int w, h;
    float w2, h2;
    int midhandled, frames;
    float handleX, handleY;
};

TEST_F(BankTest, LoadsStoreImagesUnderTheirKeysWithSizesAndHandles) {
    const ImageCase cases[] = {
        {"a name without extension gets .png", [](TImageBank& b) { b.Load("gems", "", -1, 1); }, "gems",
         "GEMS", 350, 50, 175.0f, 25.0f, 1, 1, 175.0f, 25.0f},
        {"an own .jpg is kept", [](TImageBank& b) { b.Load("photo.jpg", "", -1, 0); }, "photo", "PHOTO", 64,
         100, 32.0f, 50.0f, 0, 1, 0.0f, 0.0f},
        {"a key renames", [](TImageBank& b) { b.Load("tall", "backdrop", -1, 0); }, "BACKDROP", "BACKDROP",
         64, 100, 32.0f, 50.0f, 0, 1, 0.0f, 0.0f},
        {"a strip of seven cells", [](TImageBank& b) { b.LoadAnim("gems", 50, 50, 0, 7, -1, 1); }, "gems",
         "GEMS", 50, 50, 25.0f, 25.0f, 1, 7, 25.0f, 25.0f},
        {"a strip with mid 2 stays top-left", [](TImageBank& b) { b.LoadAnim("gems", 50, 50, 0, 7, -1, 2); },
         "gems", "GEMS", 50, 50, 25.0f, 25.0f, 0, 7, 0.0f, 0.0f},
        {"51 pixels: integer half, exact handle", [](TImageBank& b) { b.Load("odd", "", -1, 1); }, "Odd",
         "ODD", 51, 51, 25.0f, 25.0f, 1, 1, 25.5f, 25.5f},
    };
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.what);
        TImageBank fresh;
        fresh.SetPath(dir.Path());
        c.load(fresh);
        ASSERT_EQ(fresh.Keys(), std::vector<std::string>{c.key});
        TGameImageRef image = fresh.Find(c.find);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->name, c.key);
        EXPECT_EQ(image->w, c.w);
        EXPECT_EQ(image->h, c.h);
        EXPECT_EQ(image->w2, c.w2);
        EXPECT_EQ(image->h2, c.h2);
        EXPECT_EQ(image->midhandled, c.midhandled);
        EXPECT_EQ(platform::CountFrames(image->image), c.frames);
        EXPECT_EQ(image->image->handleX, c.handleX);
        EXPECT_EQ(image->image->handleY, c.handleY);
    }
}

TEST_F(BankTest, FindIgnoresCaseAndGivesTheBanksOwnImage) {
    bank.Load("gems", "", -1, 1);
    TGameImageRef first = bank.Find("gems");
    EXPECT_EQ(bank.Find("Gems"), first);
    EXPECT_EQ(bank.Find("GEMS"), first);
    EXPECT_EQ(bank.FindTImage("gEmS"), first->image);
}

TEST_F(BankTest, ASecondLoadUnderOneKeyReplacesTheFirst) {
    bank.Load("gems", "picture", -1, 1);
    TGameImageRef first = bank.Find("picture");
    bank.Load("tall", "Picture", -1, 1);
    EXPECT_EQ(bank.Count(), 1);
    EXPECT_NE(bank.Find("picture"), first);
    EXPECT_EQ(bank.Find("picture")->w, 64);
}

TEST_F(BankTest, SetPathEndsTheFolderInOneSlash) {
    TImageBank withSlash, without;
    withSlash.SetPath("graphics/");
    without.SetPath("graphics");
    EXPECT_EQ(withSlash.Path, "graphics/");
    EXPECT_EQ(without.Path, "graphics/");
    TSoundBank soundsWithout;
    soundsWithout.SetPath("sounds");
    EXPECT_EQ(soundsWithout.Path, "sounds/");
}

TEST_F(BankTest, MemorySumsCountEveryFrameAndTexturesRoundUpToPowersOfTwo) {
    bank.LoadAnim("gems", 50, 50, 0, 7, -1, 1);
    EXPECT_EQ(bank.Find("gems")->CalcRAM(), 70000);
    bank.Load("tall", "", -1, 0);
    EXPECT_EQ(bank.Find("tall")->CalcVRAM(), 32768);
    // Bank sums in KB, integer division: (70000 + 25600) / 1024 and (7 x 64 x 4 x 64 + 32768) / 1024.
    EXPECT_EQ(bank.CalcRAM(), 93);
    EXPECT_EQ(bank.CalcVRAM(), 144);
}

TEST_F(BankTest, MissingNamesAreFatalWhileShowErrorsIsOn) {
    images = std::make_shared<TImageBank>();
    sounds = std::make_shared<TSoundBank>();
    EXPECT_THROW(images->Find("nosuch"), TReportedError);
    EXPECT_THROW(sounds->Find("nosuch"), TReportedError);
    EXPECT_EQ(errors, (std::vector<std::string>{"Image 'NOSUCH' was Not found in the ImageBank",
                                                "Sound 'NOSUCH' was not found in the SoundBank"}));
    EXPECT_EQ(endFlags, (std::vector<int>{1, 1}));

    ShowErrors = 0;
    EXPECT_EQ(images->Find("nosuch"), nullptr);
    EXPECT_EQ(sounds->Find("nosuch"), nullptr);
    ShowErrors = 1;
    EXPECT_EQ(images->FindTImage("nosuch"), nullptr);
    EXPECT_EQ(errors.size(), 2u);
}

TEST_F(BankTest, MissingFilesAreReportedWithTheirPathAndNothingIsInserted) {
    TSoundBank soundBank;
    soundBank.SetPath(dir.Path());
    struct MissingFile {
        std::function<void()> load;
        std::string message;
    };
    const MissingFile cases[] = {
        {[&] { bank.Load("nosuch", "", -1, 1); }, "Error loading bitmap " + dir.Path() + "nosuch.png"},
        {[&] { bank.LoadAnim("nosuch", 50, 50, 0, 7, -1, 1); },
         "Error loading anim bitmap " + dir.Path() + "nosuch.png"},
        // A strip too short for the cells asked is as missing as no file.
        {[&] { bank.LoadAnim("odd", 50, 50, 0, 7, -1, 1); },
         "Error loading anim bitmap " + dir.Path() + "odd.png"},
        {[&] { soundBank.Load("nosuch", 1.0f, 1.0f, "", 0); },
         "Error loading sample " + dir.Path() + "nosuch.wav"},
    };
    for (const MissingFile& c : cases) {
        errors.clear();
        EXPECT_THROW(c.load(), TReportedError);
        EXPECT_EQ(errors, std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(bank.IsEmpty());
    EXPECT_TRUE(soundBank.IsEmpty());
}

TEST_F(BankTest, SoundsKeepTheirPitchAndVolumeUnderTheirKeys) {
    WriteSound(dir, "click.wav");
    TSoundBank soundBank;
    soundBank.SetPath(dir.Path());
    soundBank.Load("click", 1.5f, 0.7f, "", 0);
    soundBank.Load("click.wav", 0.8f, 0.2f, "tap", platform::SOUND_LOOP);
    EXPECT_EQ(soundBank.Keys(), (std::vector<std::string>{"CLICK", "TAP"}));
    TGameSoundRef click = soundBank.Find("Click");
    EXPECT_EQ(click->pitch, 1.5f);
    EXPECT_EQ(click->volume, 0.7f);
    EXPECT_FALSE(click->sound->Looped());
    EXPECT_TRUE(soundBank.Find("tap")->sound->Looped());
    EXPECT_EQ(soundBank.Find("CLICK"), click);
}

} // namespace

namespace {

using BankDeathTest = BankTest;

TEST_F(BankDeathTest, AMissingImageEndsTheProgramWithItsMessageInTheErrorLog) {
    EXPECT_EXIT(
        {
            SetRunTimeErrorHandler(nullptr); // the game's own report: message, log, end
            ccGraphicalErrors = 1;
            ccErrorPath = dir.Path();
            images = std::make_shared<TImageBank>();
            images->Find("nosuch");
        },
        [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; }, "");
    EXPECT_NE(dir.Read("ErrorLog.txt").find("Image 'NOSUCH' was Not found in the ImageBank"),
              std::string::npos);
}

} // namespace
