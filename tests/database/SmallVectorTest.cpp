// SmallVector against std::vector as the model, on both sides of the inline capacity.
#include "database/SmallVector.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

namespace {

template <typename T> std::vector<T> Model(size_t count, T first = 1) {
    std::vector<T> values(count);
    std::iota(values.begin(), values.end(), first);
    return values;
}

template <typename T> bool IsInline(const SmallVector<T>& v) {
    const auto* self = reinterpret_cast<const char*>(&v);
    const auto* at = reinterpret_cast<const char*>(v.data());
    return at >= self && at < self + sizeof v;
}

template <typename T> class SmallVectorTest : public ::testing::Test {
protected:
    static constexpr size_t kInline = SmallVector<T>::kInlineCapacity;
    // Empty, inline, full inline, just on the heap, well on the heap.
    const std::vector<size_t> sizes = {0, 1, kInline, kInline + 1, 3 * kInline + 2};
};

using Types = ::testing::Types<uint8_t, uint16_t, uint64_t>;
TYPED_TEST_SUITE(SmallVectorTest, Types);

TYPED_TEST(SmallVectorTest, StaysInsideUpToItsInlineCapacityAndMovesToTheHeapBeyond) {
    SmallVector<TypeParam> v;
    for (size_t n = 1; n <= 3 * this->kInline + 2; ++n) {
        v.push_back(static_cast<TypeParam>(n));
        EXPECT_EQ(v, Model<TypeParam>(n)) << n;
        EXPECT_EQ(IsInline(v), n <= this->kInline) << n;
    }
    v.clear();
    EXPECT_TRUE(v.empty());
    EXPECT_GT(v.capacity(), this->kInline); // clearing keeps the buffer

    // Moving takes a heap buffer as it is and copies inline values; the source is left empty.
    const std::vector<TypeParam> values = Model<TypeParam>(this->kInline + 1);
    v.assign(values.begin(), values.end());
    const TypeParam* buffer = v.data();
    SmallVector<TypeParam> moved(std::move(v));
    EXPECT_EQ(moved.data(), buffer);
    EXPECT_TRUE(v.empty() && IsInline(v));
    SmallVector<TypeParam> small = {7};
    moved = std::move(small);
    EXPECT_EQ(moved, std::vector<TypeParam>{7});
    EXPECT_TRUE(IsInline(moved));
}

TYPED_TEST(SmallVectorTest, CopiesAndAssignmentsBetweenEverySize) {
    for (size_t from : this->sizes) {
        for (size_t to : this->sizes) {
            SCOPED_TRACE(testing::Message() << from << " into " << to);
            const SmallVector<TypeParam> source(Model<TypeParam>(from));
            SmallVector<TypeParam> target(Model<TypeParam>(to, 50));
            target = source;
            EXPECT_EQ(target, source);
            if (from > 0) {
                target[0] = 99; // a copy shares nothing
                EXPECT_EQ(source, Model<TypeParam>(from));
            }
            SmallVector<TypeParam> copy(source);
            EXPECT_EQ(copy, Model<TypeParam>(from));
            const SmallVector<TypeParam>& self = copy;
            copy = self;
            EXPECT_EQ(copy, Model<TypeParam>(from));
            target.assign(from, TypeParam{5});
            EXPECT_EQ(target, std::vector<TypeParam>(from, 5));
            target.resize(to, TypeParam{6});
            std::vector<TypeParam> expected(from, 5);
            expected.resize(to, 6);
            EXPECT_EQ(target, expected);
            EXPECT_EQ(static_cast<std::vector<TypeParam>>(target), expected);
        }
    }
}

TYPED_TEST(SmallVectorTest, InsertAndEraseAtEveryPlace) {
    for (size_t size = 0; size <= 2 * this->kInline + 1; ++size) {
        for (size_t at = 0; at <= size; ++at) {
            SmallVector<TypeParam> v(Model<TypeParam>(size));
            std::vector<TypeParam> model = Model<TypeParam>(size);
            EXPECT_EQ(*v.insert(v.begin() + at, TypeParam{77}), 77);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), 77);
            EXPECT_EQ(v, model) << "insert at " << at << " of " << size;
        }
        for (size_t first = 0; first <= size; ++first) {
            for (size_t last = first; last <= size; ++last) {
                SmallVector<TypeParam> v(Model<TypeParam>(size));
                std::vector<TypeParam> model = Model<TypeParam>(size);
                EXPECT_EQ(v.erase(v.begin() + first, v.begin() + last), v.begin() + first);
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(first),
                            model.begin() + static_cast<std::ptrdiff_t>(last));
                EXPECT_EQ(v, model) << "erase " << first << ".." << last << " of " << size;
            }
        }
    }
}

TYPED_TEST(SmallVectorTest, ValuesTakenFromTheVectorItselfSurviveItsGrowth) {
    for (size_t size : {this->kInline, 2 * this->kInline + 2}) {
        SmallVector<TypeParam> v(Model<TypeParam>(size));
        while (v.size() < v.capacity())
            v.push_back(1);
        std::vector<TypeParam> model(v.begin(), v.end());
        v.push_back(v[0]);
        model.push_back(model[0]);
        EXPECT_EQ(v, model);
        while (v.size() < v.capacity())
            v.push_back(2);
        model.assign(v.begin(), v.end());
        v.insert(v.begin(), v.back());
        model.insert(model.begin(), model.back());
        EXPECT_EQ(v, model);
    }
}

TYPED_TEST(SmallVectorTest, EqualityNeedsTheSameSizeAndValues) {
    const SmallVector<TypeParam> a = {1, 2, 3};
    EXPECT_TRUE(a == (SmallVector<TypeParam>{1, 2, 3}));
    EXPECT_FALSE(a == (SmallVector<TypeParam>{1, 2}));
    EXPECT_FALSE(a == (SmallVector<TypeParam>{1, 2, 4}));
    EXPECT_FALSE(a == (std::vector<TypeParam>{1, 2, 3, 0}));
    EXPECT_TRUE(SmallVector<TypeParam>() == std::vector<TypeParam>());
}

TEST(SmallVector, LargeSizes) {
    SmallVector<uint16_t> v;
    for (uint32_t i = 0; i < 200000; ++i)
        v.push_back(static_cast<uint16_t>(i));
    ASSERT_EQ(v.size(), 200000u);
    EXPECT_EQ(v[199999], static_cast<uint16_t>(199999));
    EXPECT_EQ(v, Model<uint16_t>(200000, 0));
    v.erase(v.begin(), v.begin() + 100000);
    EXPECT_EQ(v.front(), static_cast<uint16_t>(100000));
    v.resize(300000, 9);
    EXPECT_EQ(v.size(), 300000u);
    EXPECT_EQ(v.back(), 9);
    v.reserve(10); // never shrinks
    EXPECT_GE(v.capacity(), 300000u);
}

} // namespace
