// The exported face keeps its virtual tables: every virtual operation of every class of the
// face headers (facades and sinks), read from the headers in declaration order, which is slot
// order, must be the list checked in beside this test (data/facade_slots.txt). Inserting,
// removing, renaming, retyping or moving a virtual operation fails here.
#include "tests/common/test_files.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kFaceHeaders[] = {"skin/SFEventBase.h", "skin/SFInterface.h", "skin/ext/SFInterfaceExt.h"};

// The text without comments, preprocessor lines and the insides of string literals.
std::string Code(const std::string& text)
{
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (lineStart && c == '#') {
            i = text.find('\n', i);
            if (i == std::string::npos)
                break;
            out += '\n';
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            i = text.find('\n', i) - 1;
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            i = text.find("*/", i + 2) + 1;
            out += ' ';
            continue;
        }
        if (c == '"') {
            i = text.find('"', i + 1);
            out += "\"\"";
            continue;
        }
        if (c != ' ' && c != '\t')
            lineStart = c == '\n';
        out += c;
    }
    return out;
}

// One declaration on one line: runs of white space made one space, none inside brackets.
std::string Tidy(const std::string& decl)
{
    std::string out;
    for (char c : decl) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (space && (out.empty() || out.back() == ' ' || out.back() == '('))
            continue;
        if ((c == ',' || c == ')') && !out.empty() && out.back() == ' ')
            out.pop_back();
        out += space ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// "Class: declaration" for each virtual operation declared in a class body, in order.
std::vector<std::string> VirtualSlots(const std::string& text)
{
    const std::string code = Code(text);
    std::vector<std::string> slots;
    std::vector<std::string> scopes;  // the class of each open brace, "" for any other brace
    std::string pendingClass;
    std::size_t i = 0;
    auto identifierAt = [&](std::size_t at) {
        std::size_t end = at;
        while (end < code.size() && (std::isalnum(static_cast<unsigned char>(code[end])) || code[end] == '_'))
            ++end;
        return code.substr(at, end - at);
    };
    while (i < code.size()) {
        const char c = code[i];
        if (c == '{') {
            scopes.push_back(pendingClass);
            pendingClass.clear();
            ++i;
        } else if (c == '}') {
            if (!scopes.empty())
                scopes.pop_back();
            ++i;
        } else if (c == ';') {
            pendingClass.clear();  // a forward declaration
            ++i;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::string word = identifierAt(i);
            if (word == "class" || word == "struct") {
                std::size_t at = i + word.size();
                while (at < code.size() && std::isspace(static_cast<unsigned char>(code[at])))
                    ++at;
                pendingClass = identifierAt(at);
                i = at + pendingClass.size();
            } else if (word == "virtual" && !scopes.empty() && !scopes.back().empty()) {
                std::size_t end = i;
                int depth = 0;
                while (end < code.size() && !(depth == 0 && (code[end] == '{' || code[end] == ';'))) {
                    depth += code[end] == '(' ? 1 : code[end] == ')' ? -1 : 0;
                    ++end;
                }
                slots.push_back(scopes.back() + ": " + Tidy(code.substr(i, end - i)));
                i = end;
            } else {
                i += word.size();
            }
        } else {
            ++i;
        }
    }
    return slots;
}

TEST(FacadeSlots, EveryVirtualOperationKeepsItsNameSignatureAndSlot)
{
    std::vector<std::string> actual;
    for (const char* header : kFaceHeaders) {
        const std::string text = testutil::ReadFile(std::string(TESSALY_SOURCE_DIR) + "/" + header);
        ASSERT_FALSE(text.empty()) << header;
        for (const std::string& slot : VirtualSlots(text))
            actual.push_back(slot);
    }
    std::vector<std::string> expected;
    std::istringstream list(testutil::ReadFile(TESSALY_TEST_DATA_DIR "/facade_slots.txt"));
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line[0] != '#')
            expected.push_back(line);
    }
    ASSERT_GT(expected.size(), 400u) << "the checked-in list is missing";

    std::string all;
    for (const std::string& slot : actual)
        all += slot + "\n";
    for (std::size_t n = 0; n < expected.size() && n < actual.size(); ++n)
        ASSERT_EQ(actual[n], expected[n])
            << "slot " << n << " of the face moved or changed; the headers give:\n"
            << all;
    EXPECT_EQ(actual.size(), expected.size())
        << "virtual operations were added or removed; the headers give:\n"
        << all;
}

// The reader itself on a small header: nested braces, bodies, overloads, comments and
// pure operations; operations outside a class body or of a forward declaration are not slots.
TEST(FacadeSlots, ReaderTakesOnlyTheVirtualsOfClassBodiesInOrder)
{
    const std::string header = "#pragma once\n"
                               "class CFwd;\n"
                               "struct SRecord { int n; };\n"
                               "class ISink\n{\npublic:\n"
                               "    virtual void OnA(int /*id*/) {}\n"
                               "    // virtual void Commented();\n"
                               "    virtual int OnB() = 0;\n};\n"
                               "class CFacade : public ISink\n{\npublic:\n"
                               "    virtual ~CFacade() {}\n"
                               "    virtual int Create(const char* /*text*/,\n"
                               "                       int /*style*/)\n    {\n"
                               "        if (true) { throw \"{\"; }\n        return 0;\n    }\n"
                               "    virtual void Move(int /*x*/) {}\n"
                               "    virtual void Move(RECT* /*rc*/) const {}\n"
                               "    int OnB() override { return 1; }\n};\n";
    const std::vector<std::string> expected = {
        "ISink: virtual void OnA(int)",    "ISink: virtual int OnB() = 0",
        "CFacade: virtual ~CFacade()",     "CFacade: virtual int Create(const char*, int)",
        "CFacade: virtual void Move(int)", "CFacade: virtual void Move(RECT*) const",
    };
    EXPECT_EQ(VirtualSlots(header), expected);
}

}  // namespace
