#include "platform/TList.h"
#include "platform/TMap.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct Item {
    int key;
    int id;
};
using ItemRef = std::shared_ptr<Item>;

// Game classes extend the list, as menus and particle lists do.
class TItemList : public TList<Item> {
public:
    explicit TItemList(std::vector<int> keys) {
        for (size_t i = 0; i < keys.size(); i++)
            AddLast(std::make_shared<Item>(Item{keys[i], int(i)}));
    }
    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const ItemRef& item : *this)
            ids.push_back(item->id);
        return ids;
    }
};

int ByKey(const ItemRef& a, const ItemRef& b) {
    return a->key - b->key;
}

} // namespace

TEST(List, WalksSurviveRemovalOfTheCurrentAndOtherElements) {
    struct Case {
        const char* what;
        // Called for each visited element; may change the list.
        std::function<void(TItemList&, const ItemRef&)> visit;
        std::vector<int> visited, left;
    } cases[] = {
        {"remove current",
         [](TItemList& l, const ItemRef& v) {
             if (v->id % 2 == 0) l.Remove(v);
         },
         {0, 1, 2, 3, 4},
         {1, 3}},
        {"link removes itself",
         [](TItemList& l, const ItemRef& v) { l.FindLink(v)->Remove(); },
         {0, 1, 2, 3, 4},
         {}},
        {"remove next",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 1) l.Remove(l.ValueAtIndex(2));
         },
         {0, 1, 3, 4},
         {0, 1, 3, 4}},
        {"remove first and last",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 2) l.RemoveFirst(), l.RemoveLast();
         },
         {0, 1, 2, 3},
         {1, 2, 3}},
        {"append is visited",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 1) l.AddLast(std::make_shared<Item>(Item{0, 9}));
         },
         {0, 1, 2, 3, 4, 9},
         {0, 1, 2, 3, 4, 9}},
        {"prepend is not",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 1) l.AddFirst(std::make_shared<Item>(Item{0, 9}));
         },
         {0, 1, 2, 3, 4},
         {9, 0, 1, 2, 3, 4}},
        {"remove then re-add current",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 0 && v->key++ == 0) l.Remove(v), l.AddLast(v);
         },
         {0, 1, 2, 3, 4, 0},
         {1, 2, 3, 4, 0}},
        {"clear",
         [](TItemList& l, const ItemRef& v) {
             if (v->id == 2) l.Clear();
         },
         {0, 1, 2},
         {}},
        {"nested walk removes",
         [](TItemList& l, const ItemRef& v) {
             if (v->id != 1) return;
             for (const ItemRef& inner : l)
                 if (inner->id >= 2) l.Remove(inner);
         },
         {0, 1},
         {0, 1}},
    };
    for (const Case& c : cases) {
        TItemList list({0, 0, 0, 0, 0});
        std::vector<int> visited;
        for (const ItemRef& v : list) {
            visited.push_back(v->id);
            c.visit(list, v);
        }
        EXPECT_EQ(visited, c.visited) << c.what;
        EXPECT_EQ(list.Ids(), c.left) << c.what;
        EXPECT_EQ(list.Count(), int(c.left.size())) << c.what;
        EXPECT_EQ(list.IsEmpty(), c.left.empty()) << c.what;
    }
}

TEST(List, LinksAndIndexes) {
    TItemList list({10, 20, 30});
    ItemRef second = list.ValueAtIndex(1);
    EXPECT_EQ(second->key, 20);
    EXPECT_FALSE(list.ValueAtIndex(3));
    EXPECT_FALSE(list.ValueAtIndex(-1));
    EXPECT_TRUE(list.Contains(second));
    EXPECT_FALSE(list.Contains(std::make_shared<Item>(*second))) << "identity, not equal contents";

    TLink<Item>* link = list.FindLink(second);
    list.InsertBeforeLink(std::make_shared<Item>(Item{15, 7}), link);
    list.InsertAfterLink(std::make_shared<Item>(Item{25, 8}), link);
    EXPECT_EQ(list.Ids(), (std::vector<int>{0, 7, 1, 8, 2}));
    EXPECT_EQ(link->PrevLink()->Value()->id, 7);
    EXPECT_EQ(link->NextLink()->Value()->id, 8);
    EXPECT_EQ(list.ToArray().size(), 5u);

    {
        // Inside a walk a removed link stays usable, so a link walk can step past it.
        TItemList::Walk walk(list);
        TLink<Item>* next = link->NextLink();
        next->Remove();
        EXPECT_EQ(list.Count(), 4);
        EXPECT_EQ(next->NextLink()->Value()->id, 2);
        EXPECT_EQ(link->NextLink()->Value()->id, 2);
    }
    EXPECT_EQ(list.RemoveFirst()->id, 0);
    EXPECT_EQ(list.RemoveLast()->id, 2);
    EXPECT_EQ(list.First()->id, 7);
    EXPECT_EQ(list.Last()->id, 1);
    EXPECT_FALSE(list.Remove(std::make_shared<Item>(Item{})));
    list.Clear();
    EXPECT_FALSE(list.First());
    EXPECT_FALSE(list.RemoveLast());
    EXPECT_EQ(list.Count(), 0);

    TItemList copy({1, 2});
    TItemList other = copy;
    other.RemoveFirst();
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(other.First(), copy.Last());
}

TEST(List, SortIsStableAndMovesAnElementOnlyWhenTheComparatorSaysAboveZero) {
    const std::vector<int> keys = {3, 1, 2, 1, 3, 2, 1};
    struct Case {
        const char* what;
        bool ascending;
        TList<Item>::Compare cmp;
        std::vector<int> ids;
    } cases[] = {
        {"ascending, ties keep order", true, ByKey, {1, 3, 6, 2, 5, 0, 4}},
        {"descending, ties keep order", false, ByKey, {0, 4, 2, 5, 1, 3, 6}},
        {"comparator saying only 1 or 0",
         true,
         [](const ItemRef& a, const ItemRef& b) { return a->key > b->key ? 1 : 0; },
         {1, 3, 6, 2, 5, 0, 4}},
        {"always 0 keeps the order",
         true,
         [](const ItemRef&, const ItemRef&) { return 0; },
         {0, 1, 2, 3, 4, 5, 6}},
        {"always -1 ascending keeps the order",
         true,
         [](const ItemRef&, const ItemRef&) { return -1; },
         {0, 1, 2, 3, 4, 5, 6}},
        {"always -1 descending reverses",
         false,
         [](const ItemRef&, const ItemRef&) { return -1; },
         {6, 5, 4, 3, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        TItemList list(keys);
        list.Sort(c.ascending, c.cmp);
        EXPECT_EQ(list.Ids(), c.ids) << c.what;
        EXPECT_EQ(list.Last()->id, c.ids.back()) << c.what << ": links re-joined both ways";
        EXPECT_EQ(list.LastLink()->PrevLink()->Value()->id, c.ids[c.ids.size() - 2]) << c.what;
    }
    TItemList empty({});
    empty.Sort(ByKey);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(List, SortDuringAWalkKeepsRemovedLinksOutOfTheOrder) {
    TItemList list({5, 4, 3, 2, 1});
    std::vector<int> visited;
    for (const ItemRef& v : list) {
        visited.push_back(v->id);
        if (v->id == 0) {
            list.Remove(list.ValueAtIndex(1)); // id 1
            list.Sort(ByKey);
        }
    }
    // After sorting the walk goes on from id 0, which is now last.
    EXPECT_EQ(visited, (std::vector<int>{0}));
    EXPECT_EQ(list.Ids(), (std::vector<int>{4, 3, 2, 0}));
}

TEST(Map, InsertReplacesAndWalksInKeyByteOrder) {
    TMap<Item> map;
    for (const char* key : {"b", "a", "B", "_", "ab"})
        map.Insert(key, std::make_shared<Item>(Item{0, key[0]}));
    map.Insert("a", std::make_shared<Item>(Item{1, 'x'}));
    EXPECT_EQ(map.Count(), 5);
    EXPECT_EQ(map.Keys(), (std::vector<std::string>{"B", "_", "a", "ab", "b"}));
    EXPECT_EQ(map.ValueForKey("a")->id, 'x');
    EXPECT_FALSE(map.ValueForKey("A"));
    EXPECT_TRUE(map.Contains("ab"));
    EXPECT_TRUE(map.Remove("ab"));
    EXPECT_FALSE(map.Remove("ab"));
    std::string walked;
    for (const auto& [key, value] : map)
        walked += key;
    EXPECT_EQ(walked, "B_ab");
    EXPECT_EQ(map.Values().front()->id, 'B');
    map.Clear();
    EXPECT_EQ(map.Count(), 0);
}
