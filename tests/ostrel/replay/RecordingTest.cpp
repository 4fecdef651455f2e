#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/replay/RecordingReader.h>
#include <ostrel/replay/RecordingWriter.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ostrel;

namespace
{

const std::string HEADER = "ostrel-recording 1\ngame quest 1.0\nseed 77\n";

RecordingReadResult read(const std::string& text)
{
    std::istringstream in(text);
    return readRecording(in, "run.txt", "quest", "1.0");
}

InputRecord input(InputKind kind)
{
    InputRecord record;
    record.kind = kind;
    return record;
}

} // namespace

TEST(Recording, WhatIsWrittenReadsBackTheSame)
{
    testing_support::TestDir dir(testing_support::TestDir::EMPTY);
    std::vector<InputRecord> inputs(15);
    inputs[0].kind = InputKind::KEY_PRESS;
    inputs[0].key = Keyboard::NUM0;
    inputs[1].kind = InputKind::KEY_RELEASE;
    inputs[1].key = Keyboard::UNDEFINED_KEY;
    inputs[2].kind = InputKind::MOUSE_MOVE;
    inputs[2].position = Vector(0.1f, -3.3333333f);
    inputs[3].kind = InputKind::MOUSE_CLICK;
    inputs[3].button = Mouse::MIDDLE;
    inputs[3].position = Vector(79.99f, 23.5f);
    inputs[4] = input(InputKind::FOCUS_LOST);
    inputs[5] = input(InputKind::FOCUS_GAINED);
    inputs[6].kind = InputKind::RESIZE;
    inputs[6].width = 1920;
    inputs[6].height = 1080;
    inputs[7] = input(InputKind::CLOSE);
    inputs[8].kind = InputKind::MOUSE_RELEASE;
    inputs[8].button = Mouse::RIGHT;
    inputs[8].position = Vector(2.5f, 0);
    inputs[9].kind = InputKind::MOUSE_WHEEL;
    inputs[9].wheel = -0.25f;
    inputs[9].position = Vector(1, 1);
    const char32_t typed[] = {U'\U0001F33D', TEXT_BACKSPACE, TEXT_ENTER};
    for (int i = 0; i < 3; ++i)
    {
        inputs[10 + i] = input(InputKind::TEXT);
        inputs[10 + i].character = typed[i];
    }
    inputs[13] = input(InputKind::PICTURE_HIDDEN);
    inputs[14] = input(InputKind::PICTURE_SHOWN);

    RecordingWriter writer;
    ASSERT_TRUE(writer.open("run.txt"));
    writer.writeHeader({"quest", "1.0", 4294967295u, {{"mute", "on"}}});
    for (std::size_t i = 0; i < inputs.size(); ++i)
    {
        writer.writeInput(static_cast<int>(i / 2), inputs[i]);
    }
    writer.writeCheckpoint(9, {{"day", "3"}, {"screen", "00ff"}});
    {
        // Every line is on the disk as soon as it is written: nothing waits for a close.
        std::ifstream file("run.txt");
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_NE(text.str().find("9 check day=3 screen=00ff\n"), std::string::npos) << text.str();
        EXPECT_NE(text.str().find("5 text U+1F33D\n5 text backspace\n"), std::string::npos) << text.str();
    }

    const RecordingReadResult result = readRecordingFile("run.txt", "quest", "1.0");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_TRUE(result.warnings.empty());
    EXPECT_EQ(result.recording.header.seed, 4294967295u);
    EXPECT_EQ(result.recording.header.settings, (RecordingValues{{"mute", "on"}}));
    const std::vector<RecordingEntry>& entries = result.recording.entries;
    ASSERT_EQ(entries.size(), inputs.size() + 1);
    for (std::size_t i = 0; i < inputs.size(); ++i)
    {
        EXPECT_FALSE(entries[i].is_checkpoint);
        EXPECT_EQ(entries[i].step, static_cast<int>(i / 2));
        EXPECT_TRUE(entries[i].input == inputs[i]) << RecordingWriter::formatInput(0, entries[i].input);
    }
    EXPECT_TRUE(entries.back().is_checkpoint);
    EXPECT_EQ(entries.back().checkpoint, (RecordingValues{{"day", "3"}, {"screen", "00ff"}}));
    EXPECT_EQ(entries.back().line, 20);
}

TEST(Recording, BadRecordingsNameTheFileTheLineAndTheFault)
{
    struct Case
    {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"", "run.txt:0: empty: not a recording"},
        {"ostrel-recording 1\n", "run.txt:2: truncated: the header ends before the game line"},
        {"ostrel-recording 1\ngame quest 1.0\n", "run.txt:3: truncated: the header ends before the seed line"},
        {HEADER + "5 key press A\n6 key rel", "run.txt:5: truncated: the last line is incomplete"},
        {HEADER + "5 key press A", "run.txt:4: truncated"},
        {"ostrel-recording 4\ngame quest 1.0\nseed 1\n",
         "run.txt:1: format version 4, but this game reads versions 1 to 3"},
        {"ostrel-recording 0\ngame quest 1.0\nseed 1\n",
         "run.txt:1: format version 0, but this game reads versions 1 to 3"},
        {"ostrel-recording 2\ngame quest 1.0\nseed 1\n1 close\nend\n1 close\n",
         "run.txt:6: corrupt: a line after the end line"},
        {HEADER + "1 close\nend\n", "run.txt:5: corrupt: expected a step number or a setting, found 'end'"},
        {"PNG\x89\n", "run.txt:1: corrupt: a character that is not printable text"},
        {"some other file\n", "run.txt:1: not a recording"},
        {"ostrel-recording 01\n", "run.txt:1: corrupt: bad format version '01'"},
        {"ostrel-recording 1\ngame chess 1.0\nseed 1\n", "run.txt:2: a recording of 'chess', not of 'quest'"},
        {"ostrel-recording 1\ngame quest\nseed 1\n", "run.txt:2: corrupt: expected 'game NAME VERSION'"},
        {"ostrel-recording 1\ngame quest 1.0\nseed 4294967296\n", "run.txt:3: corrupt: expected 'seed N'"},
        {HEADER + "5 key press A\n4 key release A\n", "run.txt:5: corrupt: step 4 comes after step 5"},
        {HEADER + "-1 close\n", "run.txt:4: corrupt: expected a step number or a setting, found '-1'"},
        {HEADER + "1 key press SHIFT\n", "run.txt:4: corrupt: unknown key 'SHIFT'"},
        {HEADER + "1 mouse click THUMB 1 2\n", "run.txt:4: corrupt: unknown mouse button 'THUMB'"},
        {HEADER + "1 mouse move 1 nan\n", "run.txt:4: corrupt: bad mouse position '1 nan'"},
        {HEADER + "1 mouse move 1,5 2\n", "run.txt:4: corrupt: bad mouse position"},
        {HEADER + "1 mouse wheel up 1 2\n", "run.txt:4: corrupt: bad wheel turn 'up'"},
        {HEADER + "1 text U+0008\n", "run.txt:4: corrupt: bad character 'U+0008'"},
        {HEADER + "1 text U+D800\n", "run.txt:4: corrupt: bad character"},
        {HEADER + "1 text U+110000\n", "run.txt:4: corrupt: bad character"},
        {HEADER + "1 text u+0041\n", "run.txt:4: corrupt: bad character"},
        {HEADER + "1 text A\n", "run.txt:4: corrupt: bad character 'A' (expected U+XXXX, backspace or enter)"},
        {HEADER + "1 resize 0 768\n", "run.txt:4: corrupt: bad window size '0 768'"},
        {HEADER + "1 jump\n", "run.txt:4: corrupt: not an input or a checkpoint: 'jump'"},
        {HEADER + "1 close now\n", "run.txt:4: corrupt: not an input or a checkpoint: 'close now'"},
        {HEADER + "1  close\n", "run.txt:4: corrupt: not an input or a checkpoint: ' close'"},
        {HEADER + "1 check\n", "run.txt:4: corrupt: a checkpoint without values"},
        {HEADER + "1 check day=\n", "run.txt:4: corrupt: bad checkpoint value 'day='"},
        {HEADER + "1 check day=1 day=2\n", "run.txt:4: corrupt: checkpoint value 'day' given twice"},
        {HEADER + "1 close\nsetting mute on\n", "run.txt:5: corrupt: a setting after the first step"},
        {HEADER + "setting mute\n", "run.txt:4: corrupt: expected 'setting NAME VALUE'"},
        {HEADER + std::string(5000, '1') + "\n", "run.txt:4: line longer than 4096 characters"},
        {HEADER + std::string("1 cl\0se\n", 8), "run.txt:4: corrupt: a character that is not printable text"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(read(c.text).error.substr(0, c.error.size()), c.error) << c.text;
    }
}

TEST(Recording, AnotherVersionOfTheGameIsAWarningAMissingFileAnErrorAndAFullDiskNoticed)
{
    const RecordingReadResult other = read("ostrel-recording 2\ngame quest 0.9\nseed 1\n1 close\nend\n");
    ASSERT_TRUE(other.ok()) << other.error;
    ASSERT_EQ(other.warnings.size(), 1u);
    EXPECT_EQ(other.warnings[0], "run.txt:2: warning: recorded by version 0.9 of the game, this is 1.0; its "
                                 "checkpoints decide");
    EXPECT_EQ(other.recording.entries.size(), 1u);

    EXPECT_TRUE(read(HEADER + "1 close\r\n").ok()) << "a recording edited on another system still reads";

    testing_support::TestDir dir(testing_support::TestDir::EMPTY);
    RecordingWriter full;
    ASSERT_TRUE(full.open("/dev/full"));
    EXPECT_FALSE(full.failed());
    full.writeInput(1, input(InputKind::CLOSE));
    EXPECT_TRUE(full.failed()) << "a full disk is noticed";

    EXPECT_EQ(readRecordingFile("absent.txt", "quest", "1.0").error,
              "absent.txt: cannot open: No such file or directory");
    std::filesystem::create_directory("runs");
    EXPECT_EQ(readRecordingFile("runs", "quest", "1.0").error, "runs is a folder, not a recording");
}

// A recording closed as it should be ends with its end line; one that stops short of it
// reads, and says it was cut. The version before had no end line, so cannot tell.
TEST(Recording, OnlyAClosedRecordingEndsWhole)
{
    testing_support::TestDir dir(testing_support::TestDir::EMPTY);
    RecordingWriter writer;
    ASSERT_TRUE(writer.open("run.txt"));
    writer.writeHeader({"quest", "1.0", 1, {}});
    writer.writeInput(3, input(InputKind::CLOSE));
    writer.close();
    writer.writeInput(4, input(InputKind::CLOSE));
    std::ifstream file("run.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "ostrel-recording 3\ngame quest 1.0\nseed 1\n3 close\nend\n") << "nothing after the end";

    const RecordingReadResult whole = read(text.str());
    ASSERT_TRUE(whole.ok()) << whole.error;
    EXPECT_TRUE(whole.warnings.empty());
    EXPECT_FALSE(whole.recording.isCutShort());

    const RecordingReadResult cut = read(text.str().substr(0, text.str().size() - 4));
    ASSERT_TRUE(cut.ok()) << cut.error;
    EXPECT_TRUE(cut.recording.isCutShort());
    EXPECT_EQ(cut.recording.entries.size(), 1u);

    const RecordingReadResult older = read(HEADER + "3 close\n");
    ASSERT_TRUE(older.ok()) << older.error;
    EXPECT_FALSE(older.recording.isCutShort());
    EXPECT_EQ(older.warnings,
              std::vector<std::string>{
                  "run.txt:1: warning: format version 1 has no end line: whether it was cut short cannot be checked"});
}
