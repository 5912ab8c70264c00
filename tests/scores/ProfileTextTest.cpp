#include "ProfileText.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace burrowbop {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

TEST(ProfileTextRead, FollowsTheProfileRules) {
    const ReadCase cases[] = {
        {"crlf", "[0]\r\nName=Bob\r\n", "0", "Name", "Bob"},
        {"lf only", "[1]\nName=a\n[0]\nName=Bob\n", "0", "Name", "Bob"},
        {"cr only", "[1]\rName=a\r[0]\rName=Bob\r", "0", "Name", "Bob"},
        {"no line end at the end", "[0]\r\nName=Bob", "0", "Name", "Bob"},
        {"key case", "[0]\nnAME=x\n", "0", "Name", "x"},
        {"section case", "[Top]\nName=x\n", "tOP", "Name", "x"},
        {"trail byte letters keep their case", "[\xB0\x41]\nName=x\n", "\xB0\x61", "Name", std::nullopt},
        {"blanks around key and value", "[0]\n \t Name \t=  Bob \t\n", "0", "Name", "Bob"},
        {"blanks inside the section brackets", "[ 0 ]\nName=x\n", "0", "Name", "x"},
        {"double quotes", "[0]\nName=\" Bob \"\n", "0", "Name", " Bob "},
        {"single quotes", "[0]\nName='Bob'\n", "0", "Name", "Bob"},
        {"quotes that do not pair", "[0]\nName=\"Bob'\n", "0", "Name", "\"Bob'"},
        {"one quote", "[0]\nName=\"\n", "0", "Name", "\""},
        {"only one pair is taken off", "[0]\nName=\"\"x\"\"\n", "0", "Name", "\"x\""},
        {"empty value", "[0]\nName=\n", "0", "Name", ""},
        {"equals sign in the value", "[0]\nName=a=b\n", "0", "Name", "a=b"},
        {"lone lead byte at the end of a value", "[0]\r\nName=ab\xD8\r\n", "0", "Name", "ab\xD8"},
        {"nul in a value", "[0]\nName=a\0b\n"s, "0", "Name", "a\0b"s},
        {"text after the bracket", "[0] old\nName=x\n", "0", "Name", "x"},
        {"missing key", "[0]\nDate=x\n", "0", "Name", std::nullopt},
        {"missing section", "[1]\nName=x\n", "0", "Name", std::nullopt},
        {"empty file", "", "0", "Name", std::nullopt},
        {"comment", "[0]\n;Name=x\n  ; Name=y\n", "0", "Name", std::nullopt},
        {"commented header", "[0]\nName=a\n;[1]\nName=b\n", "1", "Name", std::nullopt},
        {"first of two sections", "[0]\nName=a\n[0]\nName=b\n", "0", "Name", "a"},
        {"only the first of two sections", "[0]\n[0]\nName=b\n", "0", "Name", std::nullopt},
        {"first of two keys", "[0]\nName=a\nname=b\n", "0", "Name", "a"},
        {"keys before any section", "Name=x\n[0]\n", "0", "Name", std::nullopt},
        {"leading zero names another section", "[00]\nName=x\n", "0", "Name", std::nullopt},
        {"header without bracket", "[0\nName=x\n", "0", "Name", std::nullopt},
        {"header without bracket belongs to no new section", "[1]\n[0\nName=x\n", "1", "Name", "x"},
        {"trail byte is a bracket", "[\xB0]0]\nName=x\n", "\xB0]0", "Name", "x"},
        {"bracket hidden in a character", "[0\xB0]\nName=x\n", "0\xB0", "Name", std::nullopt},
        {"line without equals sign", "[0]\nName\n", "0", "Name", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ProfileText(c.text).Read(c.section, c.key), c.value) << c.what;
}

struct WriteCase {
    const char* what;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(ProfileTextWrite, EditsInPlaceAndReadsBack) {
    const WriteCase cases[] = {
        {"new file", "", "0", "Name", "Bob", "[0]\r\nName=Bob\r\n"},
        {"replace keeps spelling, line end and the rest",
         "; top\n[0]\n  name = old ; x\n;c\n", "0", "Name", "Bob", "; top\n[0]\nname=Bob\n;c\n"},
        {"replace in a cr-only file", "[0]\rName=a\r[1]\r", "0", "Name", "b", "[0]\rName=b\r[1]\r"},
        {"missing key after the last key", "[0]\nName=a\n\n[1]\nName=c\n", "0", "Date", "d",
         "[0]\nName=a\nDate=d\r\n\n[1]\nName=c\n"},
        {"missing key in a section without keys", "[0]\n; c\n[1]\n", "0", "Name", "x", "[0]\nName=x\r\n; c\n[1]\n"},
        {"missing key after an unterminated last line", "[0]\nName=a", "0", "Date", "d", "[0]\nName=a\r\nDate=d\r\n"},
        {"missing section at the end", "x=1\n[5]\n", "0", "Name", "v", "x=1\n[5]\n[0]\r\nName=v\r\n"},
        {"missing section after an unterminated line", "noise", "0", "Name", "v", "noise\r\n[0]\r\nName=v\r\n"},
        {"first of two sections", "[0]\nName=a\n[0]\nName=b\n", "0", "Name", "c", "[0]\nName=c\n[0]\nName=b\n"},
        {"first of two keys", "[0]\nName=a\nName=b\n", "0", "Name", "c", "[0]\nName=c\nName=b\n"},
        {"keys before any section stay", "Name=a\n", "0", "Name", "c", "Name=a\n[0]\r\nName=c\r\n"},
        {"section named with a bracket trail byte", "", "\xB0]", "Name", "x", "[\xB0]]\r\nName=x\r\n"},
        {"line that already says it stays", "[0]\nName = \"Bob\"  \n", "0", "Name", "Bob", "[0]\nName = \"Bob\"  \n"},
        {"blanks around the value are quoted", "", "0", "Name", " a ", "[0]\r\nName=\" a \"\r\n"},
        {"a quoted value is quoted again", "", "0", "Name", "\"q\"", "[0]\r\nName=\"\"q\"\"\r\n"},
        {"single quotes too", "", "0", "Name", "'q'", "[0]\r\nName=\"'q'\"\r\n"},
        {"a lone quote needs nothing", "", "0", "Name", "\"q", "[0]\r\nName=\"q\r\n"},
        {"line breaks cannot make a section", "", "0", "Name", "a\r\n[1]", "[0]\r\nName=a??[1]\r\n"},
        {"nul is stored as ?", "", "0", "Name", "a\0b"s, "[0]\r\nName=a?b\r\n"},
        {"empty value", "[0]\nName=x\n", "0", "Name", "", "[0]\nName=\n"},
    };
    for (const auto& c : cases) {
        ProfileText text(c.before);
        text.Write(c.section, c.key, c.value);
        EXPECT_EQ(text.Bytes(), c.after) << c.what;
        EXPECT_EQ(ProfileText(text.Bytes()).Read(c.section, c.key), ProfileText::StoredValue(c.value)) << c.what;
    }
}

TEST(ProfileTextWrite, KeysAddedToOneSectionKeepTheirOrder) {
    ProfileText text("[0]\nName=a\n[1]\n");
    text.Write("1", "Name", "n");
    text.Write("0", "Date", "d");
    text.Write("2", "Name", "m");
    text.Write("1", "Date", "e");
    text.Write("0", "Score", "s");
    text.Write("2", "Date", "f");
    text.Write("0", "Date", "d2");  // a key added in this session is replaced, not added again
    EXPECT_EQ(text.Bytes(),
              "[0]\nName=a\nDate=d2\r\nScore=s\r\n[1]\nName=n\r\nDate=e\r\n[2]\r\nName=m\r\nDate=f\r\n");
}

TEST(ProfileTextWrite, RejectsNamesNoLineCouldHold) {
    const std::pair<std::string, std::string> bad[] = {
        {"", "Name"}, {" 0", "Name"}, {"0 ", "Name"}, {"a]b", "Name"}, {"a\nb", "Name"}, {"\xB0", "Name"},
        {"0", ""}, {"0", "a=b"}, {"0", ";Name"}, {"0", "[Name"}, {"0", "Na\rme"}, {"0", "Name\t"},
    };
    for (const auto& [section, key] : bad) {
        ProfileText text;
        EXPECT_THROW(text.Write(section, key, "v"), std::invalid_argument) << section << "/" << key;
        EXPECT_EQ(text.Bytes(), "");
    }
}

}  // namespace
}  // namespace burrowbop
