#include "search/SteamKeyValues.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using search::steam::KeyValue;
using search::steam::parseKeyValues;

namespace {

TEST(SteamKeyValues, NestedBlocksKeepOrderAndLookUpKeysWithoutCase) {
    auto root = parseKeyValues(R"("libraryfolders"
{
	"0"
	{
		"path"		"/home/u/.local/share/Steam"
		"apps"
		{
			"70"		"512"
		}
	}
	"1" { "path" "/mnt/games" }
})");
    ASSERT_TRUE(root);
    const KeyValue* folders = root->block("LibraryFolders");
    ASSERT_TRUE(folders);
    ASSERT_EQ(folders->children.size(), 2u);
    EXPECT_EQ(folders->children[0].key, "0");
    EXPECT_EQ(folders->children[0].text("PATH"), "/home/u/.local/share/Steam");
    EXPECT_EQ(folders->children[0].block("apps")->text("70"), "512");
    EXPECT_EQ(folders->children[1].text("path"), "/mnt/games");
    EXPECT_EQ(folders->text("0"), std::nullopt); // a block is not a text value
    EXPECT_EQ(root->block("missing"), nullptr);
}

TEST(SteamKeyValues, FirstOfRepeatedKeysWinsAndTextSkipsBlocks) {
    auto root = parseKeyValues(R"("k" { } "K" "first" "k" "second")");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->text("k"), "first");
    EXPECT_TRUE(root->block("k"));
}

TEST(SteamKeyValues, QuotedStringsUnescape) {
    auto root = parseKeyValues(R"("a\\b" "q\"x\ny\tz\\\\s\e" "{}" "")");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->text("a\\b"), "q\"x\ny\tz\\\\s\\e");
    EXPECT_EQ(root->text("{}"), "");
}

TEST(SteamKeyValues, CommentsConditionsAndUnquotedTokens) {
    auto root = parseKeyValues("// header\n"
                               "\"url\" \"http://example\" // trailing\n"
                               "key value [$WIN32]\n"
                               "other{inner 1}\n"
                               "\"x\" \"y\" [!$X360] // both\n");
    ASSERT_TRUE(root);
    ASSERT_EQ(root->children.size(), 4u);
    EXPECT_EQ(root->text("url"), "http://example");
    EXPECT_EQ(root->text("key"), "value");
    EXPECT_EQ(root->block("other")->text("inner"), "1");
    EXPECT_EQ(root->text("x"), "y");
}

TEST(SteamKeyValues, EmptyTextHasNoEntries) {
    auto root = parseKeyValues(" \n// only a comment");
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->children.empty());
}

TEST(SteamKeyValues, MalformedTextIsRefused) {
    using namespace std::string_literals;
    const std::string broken[] = {
        R"("a" "b)",
        R"("a" "b\")",
        R"("a" {)",
        R"("a" { "b" "c")",
        R"("a")",
        R"("a" { "b" })",
        R"(})",
        R"("a" "b" })",
        R"({ "a" "b" })",
        R"("a" "b" [$WIN32)",
        "\"a\" \"b\0\""s,
        "\"a\" b\x01"s,
        "\x7f\x45LF\x02\x01"s,
    };
    for (const std::string& text : broken)
        EXPECT_EQ(parseKeyValues(text), std::nullopt) << text;
}

TEST(SteamKeyValues, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "a{";
    EXPECT_EQ(parseKeyValues(deep + std::string(100000, '}')), std::nullopt);

    std::string allowed;
    for (int i = 0; i < 32; ++i)
        allowed += "a{";
    EXPECT_TRUE(parseKeyValues(allowed + std::string(32, '}')));
}

} // namespace

namespace {

struct Lookup {
    const char* what;
    std::string text;
    std::optional<std::string> found; // for the path a / b / c
};

const Lookup Lookups[] = {
    {"the value at the path, keys without regard to case", R"("A" { "b" { "C" "yes" } })", "yes"},
    {"the first block of a key, not a later one", R"(a { b { } } a { b { c "later" } })", ""},
    {"the first text of the last key, blocks passed over", R"(a { b { c { } c "one" c "two" } })", "one"},
    {"blocks of other keys in between", R"(x { a { b { c "no" } } } a { y { } b { z "" c "v\"q\\" } })",
     "v\"q\\"},
    {"a missing key gives an empty text", R"(a { b { } })", ""},
    {"a malformed text gives nothing, even after the value", R"(a { b { c "v" } } })", std::nullopt},
    {"an unterminated block gives nothing", R"(a { b { c "v" })", std::nullopt},
    {"nesting deeper than the tree takes gives nothing", "a { b { c \"v\" } } " + std::string(70, '{'),
     std::nullopt},
};

TEST(SteamKeyValues, OnePassLookupFindsWhatTheTreeHolds) {
    constexpr std::array<std::string_view, 3> Path{"a", "b", "c"};
    for (const Lookup& lookup : Lookups)
        EXPECT_EQ(search::steam::findText(lookup.text, Path), lookup.found) << lookup.what;
}

} // namespace
