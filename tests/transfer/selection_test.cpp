// The export's page set: what the selection dialog lists for the demo
// database, the selection the engine takes from it, and the choice of the
// file with its replace prompt.
#include <stdio.h>

#include <algorithm>
#include <deque>

#include "tests/transfer/export_fixture.h"
#include "transfer/export_file_choice.h"
#include "transfer/export_selection.h"

namespace {

typedef std::vector<std::string> Texts;

Texts listed(const SelectionModel& model, uint32_t page) {
    Texts texts;
    for (uint32_t i = 0; i < model.pages[page].count; ++i) texts.push_back(selection_text(model.pages[page], i));
    return texts;
}

void select(SelectionModel* model, uint32_t page, const char* text) {
    for (uint32_t i = 0; i < model->pages[page].count; ++i)
        if (std::string(selection_text(model->pages[page], i)) == text) model->pages[page].entries[i].selected = true;
}

class ExportSelectionTest : public ExportTest {
protected:
    SelectionModel model;
    void list_demo() {
        open(nullptr);
        export_selection_init(&model);
        ASSERT_EQ(export_list_objects(&model), 0);
    }
    void TearDown() override {
        selection_free(&model);
        ExportTest::TearDown();
    }
};

TEST_F(ExportSelectionTest, EveryObjectIsListedOnItsPage) {
    list_demo();
    ASSERT_EQ(model.page_count, (uint32_t)EXPORT_PAGE_COUNT);
    EXPECT_EQ(listed(model, PAGE_RAS_CLIENTS).size(), 12u);
    EXPECT_EQ(listed(model, PAGE_RAS_CLIENTS).front(), "<ANY>");
    EXPECT_EQ(listed(model, PAGE_PROFILES),
              (Texts{"CALLBACK-USERS", "DIALUP-STANDARD", "ISDN-BUSINESS", "SHELL-ACCESS", "STAFF-VPN"}));
    EXPECT_EQ(listed(model, PAGE_PROXIES).size(), 3u);
    EXPECT_EQ(listed(model, PAGE_ADDRESS_POOLS).size(), 4u);
    EXPECT_EQ(listed(model, PAGE_OTHER_DATA), (Texts{"Messages", "Configuration", "Access"}));
    // Users by the users panel's names, class after class in table order.
    Texts users = listed(model, PAGE_USERS);
    EXPECT_EQ(users.size(), 50u);
    EXPECT_EQ(users.front(), "AGARCIA");
    EXPECT_EQ(Texts(users.end() - 4, users.end()),
              (Texts{"OTP.<USERNAME>", "SID-<USERNAME>", "<USERNAME>%SECURE", "<USERNAME>@TOKEN"}));
    EXPECT_EQ(selection_count(&model), 0u);
}

TEST_F(ExportSelectionTest, AllNoneAndSelectAll) {
    list_demo();
    selection_set_page(&model, PAGE_PROFILES, true);
    EXPECT_EQ(selection_count(&model), 5u);
    selection_set_all(&model, true);
    EXPECT_EQ(selection_count(&model), 12u + 50 + 5 + 3 + 4 + 3);
    selection_set_page(&model, PAGE_USERS, false);
    EXPECT_EQ(selection_count(&model), 12u + 5 + 3 + 4 + 3);
}

TEST_F(ExportSelectionTest, OnlyTheSelectedEntriesAreExported) {
    list_demo();
    select(&model, PAGE_USERS, "SID-<USERNAME>");
    select(&model, PAGE_USERS, "JSMITH");
    select(&model, PAGE_OTHER_DATA, "Configuration");
    std::string file = run_export(export_selection_from(&model));
    EXPECT_EQ(rif_lines(file),
              (Texts{"Radius Import Export Version 1.0", "Native-User", "  JSMITH",
                     "    --Password [[[0000 0011 0006]]]^="
                     "8D877360715F161D7CB3A4A44A64434FD5873D751333637851DBC5D6280B363D",
                     "    --User-Profile [[[0000 0001 0000]]]=DIALUP-STANDARD", "SecurID-Prefix", "  SID-",
                     "    --User-Profile [[[0000 0001 0000]]]=STAFF-VPN", "Policy", "  Auth-Info",
                     "    Auth-Order^=070000000600070008000A000B000C00", "  Log-Info", "    Log-Max-Days^=5A000000"}));
    EXPECT_EQ(total, 4u);
}

TEST(SelectionModel, EntriesAreFoundByGroupThenName) {
    const uint16_t titles[] = {1, 2};
    SelectionModel model;
    selection_init(&model, 10, 11, titles, 2);
    ASSERT_TRUE(selection_add(&model, 1, 0, "B", "B"));
    ASSERT_TRUE(selection_add(&model, 1, 0, "\xE9t\xE9", "\xE9t\xE9"));  // above every ASCII name
    ASSERT_TRUE(selection_add(&model, 1, 2, "A", "A<USERNAME>"));
    EXPECT_EQ(selection_find(model.pages[1], 0, "B"), 0);
    EXPECT_EQ(selection_find(model.pages[1], 0, "\xE9t\xE9"), 1);
    EXPECT_EQ(selection_find(model.pages[1], 2, "A"), 2);
    EXPECT_EQ(selection_find(model.pages[1], 1, "A"), -1);
    EXPECT_EQ(selection_find(model.pages[0], 0, "B"), -1);
    EXPECT_STREQ(selection_text(model.pages[1], 2), "A<USERNAME>");
    EXPECT_STREQ(selection_object(model.pages[1], 2), "A");
    EXPECT_FALSE(selection_add(&model, 2, 0, "X", "X"));  // no such page
    selection_free(&model);
    EXPECT_EQ(model.pages[1].count, 0u);
    EXPECT_EQ(model.pages[1].title_id, 2);
}

// The save dialog's answers, one per showing; an empty one cancels it.
std::deque<std::string> g_chosen;
uint32_t g_shown = 0;
bool scripted_chooser(void*, char* path, uint32_t size) {
    ++g_shown;
    if (g_chosen.empty() || g_chosen.front().empty()) return false;
    snprintf(path, size, "%s", g_chosen.front().c_str());
    g_chosen.pop_front();
    return true;
}

TEST(ExportFileChoice, AnExistingFileIsReplacedOnlyWhenTheAdministratorSaysYes) {
    ScriptedPrompt prompt;
    std::string existing = write_test_file("existing.rif", "old");
    std::string fresh = test_directory() + "/fresh.rif";
    remove(fresh.c_str());
    char path[512] = "";
    struct Case {
        std::deque<std::string> chosen;
        std::deque<PromptAnswer> answers;
        bool chosen_result;
        std::string path;
        uint32_t prompts;
        uint32_t shown;
    };
    const Case cases[] = {
        {{fresh}, {}, true, fresh, 0, 1},
        {{existing}, {ANSWER_YES}, true, existing, 1, 1},
        {{existing, fresh}, {ANSWER_NO}, true, fresh, 1, 2},  // No asks for another name
        {{existing}, {ANSWER_CANCEL}, false, "", 1, 1},
        {{""}, {}, false, "", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        g_chosen = c.chosen;
        g_shown = 0;
        prompt.asked.clear();
        prompt.answers = c.answers;
        path[0] = 0;
        EXPECT_EQ(choose_export_file(nullptr, scripted_chooser, path, sizeof path), c.chosen_result);
        if (c.chosen_result) { EXPECT_EQ(std::string(path), c.path); }
        EXPECT_EQ(prompt.asked.size(), c.prompts);
        EXPECT_EQ(g_shown, c.shown);
        if (!prompt.asked.empty()) {
            EXPECT_EQ(prompt.asked[0].title, "File Already Exists");
            EXPECT_EQ(prompt.asked[0].text, "Do you want to replace " + existing + "?");
            EXPECT_EQ(prompt.asked[0].buttons, PROMPT_YES_NO_CANCEL);
        }
    }
}

}  // namespace
