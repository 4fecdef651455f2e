#include <gtest/gtest.h>
#include <ostrel/world/ObjectList.h>

#include <cstdint>
#include <stdexcept>

using namespace ostrel;

namespace
{
Object* fake(int n)
{
    return reinterpret_cast<Object*>(static_cast<std::uintptr_t>(0x1000 + 16 * n));
}
} // namespace

TEST(ObjectList, RemoveKeepsTheOthersInOrder)
{
    ObjectList list;
    list.insert(fake(1));
    list.insert(fake(2));
    list.insert(fake(3));
    EXPECT_EQ(list.remove(fake(2)), 0);
    ASSERT_EQ(list.getCount(), 2);
    EXPECT_EQ(list[0], fake(1));
    EXPECT_EQ(list[1], fake(3));
    EXPECT_EQ(list.remove(fake(2)), -1);
}

TEST(ObjectList, DuplicatesAreKeptAndRemovedOneAtATime)
{
    ObjectList list;
    list.insert(fake(1));
    list.insert(fake(2));
    list.insert(fake(1));
    EXPECT_EQ(list.remove(fake(1)), 0);
    ASSERT_EQ(list.getCount(), 2);
    EXPECT_EQ(list[0], fake(2));
    EXPECT_EQ(list[1], fake(1));
}

TEST(ObjectList, HoldsAtMostAThousand)
{
    ObjectList list;
    for (int i = 0; i < MAX_OBJECTS; ++i)
    {
        ASSERT_EQ(list.insert(fake(i)), 0);
    }
    EXPECT_TRUE(list.isFull());
    EXPECT_EQ(list.insert(fake(1000)), -1);
    EXPECT_EQ(list.getCount(), 1000);

    const ObjectList copy = list;
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(copy.getCount(), 1000);
    EXPECT_EQ(copy[999], fake(999));
}

TEST(ObjectList, IndexOutsideTheCountThrows)
{
    ObjectList list;
    list.insert(fake(1));
    EXPECT_EQ(list[0], fake(1));
    try
    {
        (void)list[1];
        FAIL() << "no exception";
    }
    catch (const std::out_of_range& error)
    {
        EXPECT_STREQ(error.what(), "Invalid index!");
    }
    EXPECT_THROW((void)list[-1], std::out_of_range);
}
