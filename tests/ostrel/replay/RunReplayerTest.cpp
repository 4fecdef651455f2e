#include "Probe.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/replay/RecordingWriter.h>
#include <ostrel/replay/RunRecorder.h>
#include <ostrel/replay/RunReplayer.h>

#include <fstream>
#include <sstream>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

InputRecord key(InputKind kind, Keyboard::Key which)
{
    InputRecord input;
    input.kind = kind;
    input.key = which;
    return input;
}

RecordingEntry entry(int step, InputRecord input)
{
    RecordingEntry made;
    made.step = step;
    made.input = input;
    return made;
}

RecordingEntry checkpoint(int step, const std::string& day, int line)
{
    RecordingEntry made;
    made.step = step;
    made.is_checkpoint = true;
    made.checkpoint = {{"day", day}};
    made.line = line;
    return made;
}

bool isQ(const InputRecord& input)
{
    return input.key == Keyboard::Q;
}

class Replay : public testing::Test
{
protected:
    void SetUp() override
    {
        GameManager::getInstance().setFrontEnd("headless");
        ASSERT_EQ(GameManager::getInstance().startUp(), 0);
    }
    void TearDown() override { GameManager::getInstance().shutDown(); }

    // The keys the world received, each as "frame:KEY".
    std::vector<std::string> keys;
    int frame = 0;
    int day = 1;
    TestDir dir;
};

} // namespace

// Live input is held back for good: only the inputs that end the game pass, and those
// recorded are the viewer's to give, not the recording's.
TEST_F(Replay, FeedsEachInputOnItsFrameAndHoldsLiveInputBack)
{
    Probe* probe = new Probe;
    probe->on_event = [this](const Event* event)
    {
        if (event->getType() == KEYBOARD_EVENT)
        {
            keys.push_back(std::to_string(frame) + ":" + keyName(dynamic_cast<const EventKeyboard*>(event)->getKey()));
        }
    };
    Recording recording;
    recording.entries = {entry(1, key(InputKind::KEY_PRESS, Keyboard::A)), checkpoint(2, "1", 5),
                         entry(2, key(InputKind::KEY_RELEASE, Keyboard::A)),
                         entry(3, key(InputKind::KEY_PRESS, Keyboard::Q)),
                         entry(4, key(InputKind::KEY_PRESS, Keyboard::B))};
    recording.ended = true;
    RunReplayer replayer(
        recording, "run.txt",
        [this] {
            return RecordingValues{{"day", std::to_string(day)}};
        },
        isQ, true);

    struct Live
    {
        int frame;
        InputRecord input;
        bool admitted;
    };
    const Live live[] = {
        {0, key(InputKind::KEY_PRESS, Keyboard::SPACE), false},
        {3, key(InputKind::KEY_PRESS, Keyboard::Q), true},
        {3, key(InputKind::CLOSE, Keyboard::UNDEFINED_KEY), false},
        {4, key(InputKind::KEY_PRESS, Keyboard::SPACE), false},
    };
    for (frame = 0; frame < 5; ++frame)
    {
        replayer.beginFrame();
        for (const Live& input : live)
        {
            if (input.frame == frame)
            {
                EXPECT_EQ(replayer.admit(input.input), input.admitted) << frame << " " << keyName(input.input.key);
            }
        }
        EXPECT_EQ(GameManager::getInstance().getGameOver(), frame == 4) << "a fast replay ends with the recording";
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"1:A", "2:A", "4:B"}));
    EXPECT_EQ(replayer.status(), 0);
    EXPECT_EQ(replayer.checkpointsMatched(), 1);
}

TEST_F(Replay, StopsAtTheFirstCheckpointThatDiffers)
{
    Recording recording;
    recording.entries = {checkpoint(1, "1", 4), checkpoint(2, "2", 5), checkpoint(3, "3", 6)};
    RunReplayer replayer(
        recording, "run.txt",
        [this] {
            return RecordingValues{{"day", std::to_string(day)}};
        },
        isQ, true);
    testing::internal::CaptureStderr();
    for (frame = 0; frame < 3; ++frame)
    {
        replayer.beginFrame();
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "run.txt:5: the replay left the recorded run at step 2: day 1 (recorded 2)\n");
    EXPECT_EQ(replayer.status(), 1);
    EXPECT_TRUE(GameManager::getInstance().getGameOver());
    EXPECT_TRUE(replayer.hasEnded()) << "nothing after the mismatch is played";
}

// The recorder notes every input on its frame, a checkpoint every interval, and a last one
// before the input that ends the game.
TEST_F(Replay, TheRecorderWritesTheFinalCheckpointBeforeTheQuittingInput)
{
    RecordingWriter writer;
    ASSERT_TRUE(writer.open("run.txt"));
    RunRecorder recorder(
        writer,
        [this] {
            return RecordingValues{{"day", std::to_string(day)}};
        },
        isQ);
    for (frame = 0; frame <= RunRecorder::CHECKPOINT_INTERVAL; ++frame)
    {
        recorder.beginFrame();
    }
    EXPECT_TRUE(recorder.admit(key(InputKind::KEY_PRESS, Keyboard::A)));
    EXPECT_TRUE(recorder.admit(key(InputKind::KEY_PRESS, Keyboard::Q)));
    recorder.finish();
    std::ifstream file("run.txt");
    std::stringstream text;
    text << file.rdbuf();
    const std::string step = std::to_string(RunRecorder::CHECKPOINT_INTERVAL);
    EXPECT_EQ(text.str(), step + " check day=1 screen=" + screenHash() + "\n" + step + " key press A\n" + step +
                              " check day=1 screen=" + screenHash() + "\n" + step + " key press Q\nend\n")
        << "one final checkpoint, however the game ends, and the end line";
}

// At its end a replay stops a fast game or holds a watched one's last frame; a recording
// cut short of its end line is told, and fails, once all it holds has played.
TEST_F(Replay, AtItsEndStopsOrHoldsAndTellsACutRecording)
{
    struct Case
    {
        int format_version;
        bool ended;
        bool stop_at_end;
        std::string err;
        int status;
    };
    const Case cases[] = {
        {2, true, true, "", 0},
        {2, false, true, "quest: run.txt: the recording ends early: it was cut short after step 2\n", 1},
        {2, false, false, "quest: run.txt: the recording ends early: it was cut short after step 2\n", 1},
        {1, false, false, "", 0},
    };
    for (const Case& c : cases)
    {
        GameManager::getInstance().setGameOver(false);
        GameManager::getInstance().setPaused(false);
        Recording recording;
        recording.header.game = "quest";
        recording.format_version = c.format_version;
        recording.ended = c.ended;
        recording.entries = {checkpoint(1, "1", 4), entry(2, key(InputKind::KEY_PRESS, Keyboard::A))};
        RunReplayer replayer(
            recording, "run.txt",
            [] {
                return RecordingValues{{"day", "1"}};
            },
            isQ, c.stop_at_end);
        testing::internal::CaptureStderr();
        for (frame = 0; frame < 5; ++frame)
        {
            replayer.beginFrame();
            EXPECT_EQ(replayer.hasEnded(), frame >= 2);
        }
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err);
        EXPECT_EQ(replayer.status(), c.status);
        EXPECT_EQ(replayer.stepsReplayed(), 2);
        EXPECT_EQ(replayer.checkpointsMatched(), replayer.checkpointCount());
        EXPECT_EQ(GameManager::getInstance().getGameOver(), c.stop_at_end);
        EXPECT_EQ(GameManager::getInstance().isPaused(), !c.stop_at_end) << "the last frame holds";
    }
}
