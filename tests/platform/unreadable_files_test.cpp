#include "platform/UnreadableFiles.h"

#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

namespace verbalia {
namespace {

TEST(UnreadableFiles, AFileNotSeenIsReplacedOnlyAfterAYes)
{
    UnreadableFiles files;
    FakeMessageBoxes messages;
    files.note("/p/wordlist.dat", ReadOutcome::unreadable);
    files.note("/p/verbalia.wcs", ReadOutcome::unreadable);
    files.note("/p/verbalia.wcs", ReadOutcome::read); // read on a later load
    EXPECT_TRUE(files.mayReplace("/p/verbalia.wcs", messages));
    EXPECT_TRUE(messages.shown.empty());

    messages.scriptAnswers({Answer::No, Answer::Yes});
    EXPECT_FALSE(files.mayReplace("/p/wordlist.dat", messages));
    EXPECT_TRUE(files.contains("/p/wordlist.dat"));
    EXPECT_TRUE(files.mayReplace("/p/wordlist.dat", messages));
    EXPECT_FALSE(files.contains("/p/wordlist.dat"));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "The file /p/wordlist.dat could not be read, and saving will replace it.  Replace it ?");
    EXPECT_EQ(messages.shown[0].defaultAnswer, Answer::No);
    EXPECT_TRUE(files.mayReplace("/p/wordlist.dat", messages)); // asked once
    EXPECT_EQ(messages.shown.size(), 2u);

    files.note("/p/wordlist.dat", ReadOutcome::partlyRead);
    EXPECT_FALSE(files.mayReplace("/p/wordlist.dat", messages));
    EXPECT_EQ(messages.shown.back().text, "The file /p/wordlist.dat was read only up to a NUL byte, and saving will "
                                          "replace all of it.  Replace it ?");
    EXPECT_EQ(messages.shown.back().defaultAnswer, Answer::No);
}

} // namespace
} // namespace verbalia
