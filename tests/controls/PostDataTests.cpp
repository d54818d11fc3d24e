// The private copy of a navigation's POST body: what it copies, what it refuses, and that the array is
// left unlocked whatever happens.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PostData.h"

namespace {

// A one-dimensional byte array whose descriptor claims `claimed` bytes over `backing`, which may be much
// shorter: an array the control could hand over, or a forged one. The data is the caller's.
SAFEARRAY* MakeByteArray(ULONG claimed, BYTE* backing) {
    SAFEARRAY* array = nullptr;
    if (FAILED(::SafeArrayAllocDescriptor(1, &array))) {
        return nullptr;
    }
    array->cbElements = 1;
    array->fFeatures |= FADF_STATIC;
    array->rgsabound[0].cElements = claimed;
    array->rgsabound[0].lLbound = 0;
    array->pvData = backing;
    return array;
}

// The event's argument as the control passes it: a reference to a variant holding the array.
struct PostArgument {
    explicit PostArgument(SAFEARRAY* array) {
        bytes.vt = VT_ARRAY | VT_UI1;
        bytes.parray = array;
        reference.vt = VT_BYREF | VT_VARIANT;
        reference.pvarVal = &bytes;
    }
    VARIANT bytes = {};
    VARIANT reference = {};
};

// The limit as the launcher promises it, written here rather than read from the code: a body of up to one
// mebibyte is passed on, a longer one is not.
constexpr ULONG kStatedLimit = 1048576;

TEST(PostData, CopiesABodyUpToTheLimitAndRefusesALongerOneLeavingTheArrayUnlocked) {
    std::vector<BYTE> backing(kStatedLimit + 1);
    for (size_t i = 0; i < backing.size(); ++i) {
        backing[i] = static_cast<BYTE>(i * 7);
    }
    const struct {
        const char* name;
        ULONG claimed;
        bool copied;
    } cases[] = {
        {"a form's few bytes", 5, true},
        {"exactly the limit", kStatedLimit, true},
        {"one byte more", kStatedLimit + 1, false},
        {"a descriptor claiming nearly all the address space", 0x7FFFFFF0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SAFEARRAY* const array = MakeByteArray(c.claimed, backing.data());
        ASSERT_NE(array, nullptr);
        const PostArgument argument(array);
        const auto copy = CopyPostData(&argument.reference);
        if (c.copied) {
            ASSERT_EQ(copy.Size(), c.claimed);
            EXPECT_NE(copy.Data(), backing.data()) << "a copy of its own";
            EXPECT_TRUE(std::equal(copy.Data(), copy.Data() + copy.Size(), backing.begin()));
        } else {
            EXPECT_EQ(copy.Size(), 0u);
            EXPECT_EQ(copy.Data(), nullptr);
        }
        EXPECT_EQ(array->cLocks, 0u);
        EXPECT_EQ(::SafeArrayDestroyDescriptor(array), S_OK);
    }
}

} // namespace
