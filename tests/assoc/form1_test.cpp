#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "assoc/form1.h"
#include "platform/classes_registry.h"
#include "support/memory_registry.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace zuk {
namespace {

using test::MemoryRegistryStore;

const char* const kCommandKey = "korvane\\Shell\\TavrinMediaPlayer\\Command";

// The tool in a folder that holds the player, on a registry in memory.
struct Tool {
    Tool() { dir.write("zuk", "player"); }

    // Starts the tool afresh, as a new run does.
    Form1& start(const std::string& folder) {
        form = std::make_unique<Form1>(registry, dialogs, folder);
        form->Load();
        return *form;
    }
    Form1& start() { return start(dir.path()); }

    CheckBox& toggle(const std::string& extension) {
        const auto& all = form->toggles;
        const auto it =
            std::ranges::find_if(all, [&](const CheckBox* c) { return c->caption() == extension; });
        if (it == all.end()) throw std::invalid_argument(extension);
        return **it;
    }
    std::vector<std::string> pressed() const {
        std::vector<std::string> out;
        for (const CheckBox* c : form->toggles)
            if (c->ticked()) out.push_back(c->caption());
        return out;
    }
    // Starts the tool, sets the toggles given and presses "設定".
    void apply(const std::vector<std::pair<std::string, int>>& toggles) {
        start();
        for (const auto& [extension, value] : toggles) toggle(extension).setValue(value);
        form->Command1.click();
    }

    test::TempDir dir;
    MemoryRegistryStore store;
    ClassesRegistry registry{store};
    test::ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;
};

TEST(Form1, StartsWithTwentyReleasedTogglesInTableOrder) {
    Tool tool;
    const Form1& form = tool.start();
    std::vector<std::string> captions;
    for (const CheckBox* c : form.toggles) captions.push_back(c->caption());
    EXPECT_EQ(captions,
              (std::vector<std::string>{".wav", ".aif", ".aiff", ".snd", ".au",  ".avi", ".mov",
                                        ".mpg", ".mpe", ".mpeg", ".dat", ".mp3", ".mp2", ".ra",
                                        ".rm",  ".rv",  ".ram",  ".wma", ".asf", ".zul"}));
    EXPECT_TRUE(tool.pressed().empty());
    EXPECT_EQ(form.caption(), "TavrinMediaPlayerの関連付け");
    EXPECT_EQ(form.Frame1.caption(),
              "TavrinMediaPlayerに関連付けしたい拡張子のボタンを押してください。");
    EXPECT_EQ(form.Command1.caption(), "設定");
    EXPECT_EQ(form.Command2.caption(), "キャンセル");
    EXPECT_EQ(form.width(), 6090);
    EXPECT_EQ(form.height(), 2520);
    EXPECT_TRUE(tool.dialogs.messages.empty());
}

TEST(Form1, FirstLinkWritesTheFileTypeAndSavesThePreviousType) {
    Tool tool;
    tool.store.set(".mp3", "", "mp3file");
    tool.apply({{".mp3", 1}});

    const std::string folder = tool.dir.path();
    EXPECT_EQ(tool.store.text("korvane"), "マルチメディアファイル");
    EXPECT_EQ(tool.store.text("korvane\\DefaultIcon"), folder + "zuk,0");
    EXPECT_EQ(tool.store.text("korvane\\Shell"), "TavrinMediaPlayer");
    EXPECT_EQ(tool.store.text(kCommandKey), "\"" + folder + "zuk\" %1");
    EXPECT_EQ(tool.store.text(".mp3"), "korvane");
    EXPECT_EQ(tool.store.text(".mp3", "korvane.bak"), "mp3file");
    EXPECT_TRUE(tool.form->closed());
}

TEST(Form1, LinkSurvivesRepeatedAppliesAndReleaseRestoresThePreviousType) {
    Tool tool;
    tool.store.set(".mp3", "", "mp3file");
    tool.apply({{".mp3", 1}});

    // The next run shows the link and, applied unchanged, writes nothing at all.
    const int writes = tool.store.changingWrites;
    tool.start();
    EXPECT_EQ(tool.pressed(), std::vector<std::string>{".mp3"});
    tool.form->Command1.click();
    EXPECT_EQ(tool.store.changingWrites, writes);
    EXPECT_EQ(tool.store.text(".mp3", "korvane.bak"), "mp3file");

    tool.apply({{".mp3", 0}});
    EXPECT_EQ(tool.store.text(".mp3"), "mp3file");
    EXPECT_EQ(tool.store.text(".mp3", "korvane.bak"), "mp3file");  // kept for the next link
    tool.start();
    EXPECT_TRUE(tool.pressed().empty());
}

TEST(Form1, ExtensionWithoutKeyOnlyGetsAnEmptyKeyAndTheRestGoOn) {
    for (const int value : {0, 1}) {
        SCOPED_TRACE(value);
        Tool tool;
        tool.store.set(".zul", "", "zulfile");  // after the key-less ones in the table
        std::vector<std::pair<std::string, int>> all;
        for (const char* e :
             {".wav", ".aif", ".aiff", ".snd", ".au", ".avi", ".mov", ".mpg", ".mpe", ".mpeg",
              ".dat", ".mp3", ".mp2",  ".ra",  ".rm", ".rv",  ".ram", ".wma", ".asf", ".zul"})
            all.emplace_back(e, value);
        tool.apply(all);
        for (const char* e : {".wav", ".mp3", ".asf"}) {
            EXPECT_TRUE(tool.store.tree.hasKey(e)) << e;
            EXPECT_EQ(tool.store.text(e), "<none>") << e;
            EXPECT_EQ(tool.store.text(e, "korvane.bak"), "<none>") << e;
        }
        EXPECT_EQ(tool.store.text(".zul"), value ? "korvane" : "zulfile");
        // The key-less extension stays unlinked, so the next run shows it released.
        tool.start();
        EXPECT_EQ(tool.pressed(),
                  value ? std::vector<std::string>{".zul"} : std::vector<std::string>{});
    }
}

TEST(Form1, ReleasedExtensionTakenOverByAnotherProgramGetsItsSavedTypeBack) {
    Tool tool;
    tool.store.set(".avi", "", "OtherPlayer.avi");
    tool.store.set(".avi", "korvane.bak", "avifile");
    tool.start();
    EXPECT_TRUE(tool.pressed().empty());
    tool.form->Command1.click();
    EXPECT_EQ(tool.store.text(".avi"), "avifile");
    EXPECT_EQ(tool.store.text(".avi", "korvane.bak"), "avifile");
}

TEST(Form1, OnlyTheExactFileTypeShowsPressed) {
    Tool tool;
    tool.store.set(".wav", "", "korvane");
    tool.store.set(".aif", "", "Korvane");
    tool.store.set(".au", "", "KORVANE");
    tool.store.set(".avi", "", "korvane ");
    tool.store.set(".MOV", "", "korvane");  // key names ignore case
    tool.store.set(".ra", "korvane.bak", "korvane");
    tool.store.set(".zul", "", "korvane");  // the last one, after many without a key
    tool.start();
    EXPECT_EQ(tool.pressed(), (std::vector<std::string>{".wav", ".mov", ".zul"}));
    EXPECT_EQ(tool.store.changingWrites, 0);
}

TEST(Form1, LinkingAnExtensionOfAnotherCaseSpellingSavesIt) {
    // "Korvane" is another program's type: it is saved, then replaced.
    Tool tool;
    tool.store.set(".aif", "", "Korvane");
    tool.apply({{".aif", 1}});
    EXPECT_EQ(tool.store.text(".aif"), "korvane");
    EXPECT_EQ(tool.store.text(".aif", "korvane.bak"), "Korvane");
}

TEST(Form1, CancelEscAndCloseBoxWriteNothing) {
    for (const int way : {0, 1}) {
        Tool tool;
        tool.store.set(".mp3", "", "mp3file");
        tool.store.set(".wav", "", "korvane");
        tool.start();
        tool.toggle(".mp3").setValue(1);
        tool.toggle(".wav").setValue(0);
        if (way == 0) {
            tool.form->Command2.click();  // the view sends Esc here as well
        } else {
            tool.form->requestClose();
        }
        EXPECT_TRUE(tool.form->closed());
        EXPECT_EQ(tool.store.changingWrites, 0);
        EXPECT_EQ(tool.store.text(".mp3"), "mp3file");
        EXPECT_EQ(tool.store.text(".wav"), "korvane");
    }
}

TEST(Form1, FolderGetsOneSlashAppendedAtMost) {
    struct Case {
        std::string folder, icon, command;
    };
    for (const Case& c : {Case{"/", "/zuk,0", "\"/zuk\" %1"},
                          Case{"/opt/tavrin", "/opt/tavrin/zuk,0", "\"/opt/tavrin/zuk\" %1"}}) {
        SCOPED_TRACE(c.folder);
        Tool tool;
        Form1 form(tool.registry, tool.dialogs, c.folder);
        form.Command1.click();
        EXPECT_EQ(tool.store.text("korvane\\DefaultIcon"), c.icon);
        EXPECT_EQ(tool.store.text(kCommandKey), c.command);
    }
}

TEST(Form1, MissingPlayerShowsOnlyTheMessageAndEnds) {
    Tool tool;
    tool.store.set(".mp3", "", "korvane");
    tool.dir.write("elsewhere/zuk/x", "");  // a folder named like the player is no player
    const std::string folder = tool.dir.path() + "elsewhere/";
    tool.form = std::make_unique<Form1>(tool.registry, tool.dialogs, folder);
    EXPECT_FALSE(tool.form->Load());
    ASSERT_EQ(tool.dialogs.messages.size(), 1u);
    const MessageRequest& m = tool.dialogs.messages.front();
    EXPECT_EQ(m.text, "zukが同一パス(" + folder + "zuk)に存在しません。");
    EXPECT_EQ(m.title, "TavrinMediaPlayerの関連付け");
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_TRUE(tool.form->closed());
    EXPECT_FALSE(tool.form->visible());
    EXPECT_TRUE(tool.pressed().empty());  // the registry was not even read
}

TEST(Form1, FailedKeyCreationKeepsTheDialogOpenAndWritesNothing) {
    Tool tool;
    tool.store.set(".mp3", "", "mp3file");
    tool.store.refuseWrites = true;
    tool.start();
    tool.toggle(".mp3").setValue(1);
    tool.form->Command1.click();
    EXPECT_FALSE(tool.form->closed());
    EXPECT_FALSE(tool.store.tree.hasKey("korvane"));
    EXPECT_EQ(tool.store.text(".mp3"), "mp3file");
}

}  // namespace
}  // namespace zuk
