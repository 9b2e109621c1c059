// The settings dialog as the menu panel opens it: what it shows at creation, what OK, Cancel,
// close, Enter and Escape keep, the autostart entry, Browse and the free-space line.
#include "ClmDlgTestFrame.h"
#include "app/AutostartEntry.h"
#include "app/ConfigKeys.h"
#include "wnd/Edit.h"

namespace lumora {
namespace {

constexpr std::uint64_t kGiB = 1ull << 30;

class SettingsDialogTest : public ClmDlgTest {
protected:
    std::filesystem::path EntryFile() const { return dir / "config/autostart/lumo.desktop"; }
    int CloseToTray() const { return Conf().ReadInt(kKeyCloseToTray, -1); }
    std::string Collection() const { return Conf().ReadString(kKeyCollection, ""); }
    Setting& OpenSettings() {
        Setting& settings = PartOf<Setting>(dlg ? *dlg : Open());
        dlg->PostMessage(WM_PANEL_COMMAND, 1, 0);
        host.RunUntilIdle();
        EXPECT_TRUE(settings.IsVisibleFlag());
        return settings;
    }
    void Click(Setting& settings, int id) {
        Rect r = settings.GetDlgItem(id)->GetWindowRect();
        host.Click({r.left + 5, r.top + 5});
    }
    bool Checked(Setting& settings, int id) {
        return settings.IsDlgButtonChecked(id) == BST_CHECKED;
    }
};

TEST_F(SettingsDialogTest, CloseActionShownAndWrittenBack) {
    struct Case {
        const char* config;
        int checkedRadio;
        int clickedRadio;  // 0: none
        int written;
    };
    const Case cases[] = {
        {"", kIdHideOnClose, 0, 1},
        {"YCTASK=0\n", kIdExitOnClose, 0, 0},
        {"YCTASK=5\n", kIdHideOnClose, 0, 5},
        {"YCTASK=5\n", kIdHideOnClose, kIdHideOnClose, 1},
        {"YCTASK=1\n", kIdHideOnClose, kIdExitOnClose, 0},
        {"YCTASK=-3\n", kIdExitOnClose, kIdHideOnClose, 1},
    };
    for (const Case& c : cases) {
        WriteConfig(c.config);
        dlg.reset();
        Setting& settings = OpenSettings();
        EXPECT_TRUE(Checked(settings, c.checkedRadio)) << c.config;
        EXPECT_NE(Checked(settings, kIdHideOnClose), Checked(settings, kIdExitOnClose));
        if (c.clickedRadio != 0) Click(settings, c.clickedRadio);
        Click(settings, IDOK);
        EXPECT_FALSE(settings.IsVisibleFlag()) << c.config;
        EXPECT_EQ(CloseToTray(), c.written) << c.config << " clicked " << c.clickedRadio;
    }
    EXPECT_TRUE(host.messageBoxes.empty()) << BoxTexts().front();
}

TEST_F(SettingsDialogTest, CancelCloseAndEscapeWriteNothingAndKeepTheControls) {
    WriteConfig("YCTASK=1\n");
    Setting& settings = OpenSettings();
    Click(settings, kIdExitOnClose);
    Click(settings, kIdAutostartBox);
    Click(settings, IDCANCEL);
    EXPECT_FALSE(settings.IsVisibleFlag());

    OpenSettings();
    // Nothing is read again at a new showing.
    EXPECT_TRUE(Checked(settings, kIdExitOnClose));
    EXPECT_TRUE(Checked(settings, kIdAutostartBox));
    Click(settings, kIdSettingsClose);
    EXPECT_FALSE(settings.IsVisibleFlag());

    OpenSettings();
    settings.SetForegroundWindow();
    host.Key(VK_ESCAPE);
    EXPECT_FALSE(settings.IsVisibleFlag());
    EXPECT_EQ(CloseToTray(), 1);
    EXPECT_FALSE(std::filesystem::exists(EntryFile()));

    // Enter is OK: the close action last clicked and the entry are saved.
    OpenSettings();
    settings.SetForegroundWindow();
    host.Key(VK_RETURN);
    EXPECT_FALSE(settings.IsVisibleFlag());
    EXPECT_EQ(CloseToTray(), 0);
    EXPECT_TRUE(std::filesystem::exists(EntryFile()));
}

TEST_F(SettingsDialogTest, AutostartBoxFollowsTheEntryFile) {
    const std::string longExec = "Exec=/" + std::string(400, 'x') + "/lumo\n";
    struct Case {
        const char* label;
        std::optional<std::string> file;
        bool checked;
    };
    const Case cases[] = {
        {"no entry", std::nullopt, false},
        {"entry", "[Desktop Entry]\nType=Application\nName=Lumora\nExec=/opt/lumo\n", true},
        {"long Exec", "[Desktop Entry]\nType=Application\nName=Lumora\n" + longExec, true},
        {"hidden", "[Desktop Entry]\nType=Application\nExec=/opt/lumo\nHidden=true\n", false},
        {"switched off",
         "[Desktop Entry]\nType=Application\nExec=/opt/lumo\nX-GNOME-Autostart-enabled=false\n",
         false},
        {"hidden in another group", "[Desktop Entry]\nExec=/opt/lumo\n[Other]\nHidden=true\n",
         true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir / "config");
        if (c.file) {
            std::filesystem::create_directories(EntryFile().parent_path());
            test::WriteFile(EntryFile(), *c.file);
        }
        dlg.reset();
        EXPECT_EQ(Checked(OpenSettings(), kIdAutostartBox), c.checked) << c.label;
    }
}

TEST_F(SettingsDialogTest, OkCreatesAndRemovesTheEntry) {
    Setting& settings = OpenSettings();
    EXPECT_FALSE(Checked(settings, kIdAutostartBox));
    // Nothing to remove is no failure.
    Click(settings, IDOK);
    EXPECT_FALSE(settings.IsVisibleFlag());
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_FALSE(std::filesystem::exists(EntryFile()));

    OpenSettings();
    Click(settings, kIdAutostartBox);
    Click(settings, IDOK);
    EXPECT_EQ(test::ReadFile(EntryFile()), *AutostartEntry::Contents(dir.Path().string()));

    // Checked again over an entry of another installation: it is overwritten.
    test::WriteFile(EntryFile(), "[Desktop Entry]\nType=Application\nExec=/elsewhere/lumo\n");
    OpenSettings();
    Click(settings, IDOK);
    EXPECT_EQ(test::ReadFile(EntryFile()), *AutostartEntry::Contents(dir.Path().string()));

    OpenSettings();
    Click(settings, kIdAutostartBox);
    Click(settings, IDOK);
    EXPECT_FALSE(std::filesystem::exists(EntryFile()));
    OpenSettings();
    Click(settings, IDOK);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(SettingsDialogTest, FailuresToWriteOrRemoveTheEntryAreToldAndTheDialogHides) {
    Setting& settings = OpenSettings();
    // A file where the autostart folder should be: the entry cannot be written.
    std::filesystem::create_directories(dir / "config");
    test::WriteFile(dir / "config/autostart", "");
    Click(settings, kIdAutostartBox);
    Click(settings, IDOK);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"开机启动设置失败"});
    EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
    EXPECT_FALSE(settings.IsVisibleFlag());
    EXPECT_EQ(CloseToTray(), 1);

    // Something that cannot be removed in the entry's place.
    std::filesystem::remove(dir / "config/autostart");
    std::filesystem::create_directories(EntryFile() / "inside");
    OpenSettings();
    Click(settings, kIdAutostartBox);
    Click(settings, IDOK);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"开机启动设置失败", "取消启动设置失败"}));
    EXPECT_FALSE(settings.IsVisibleFlag());
}

TEST_F(SettingsDialogTest, FreeSpaceInWholeGibibytes) {
    struct Case {
        std::optional<std::uint64_t> bytes;
        const char* text;
    };
    const Case cases[] = {
        {kGiB + kGiB / 2, "壁纸下磁盘剩余空间:1GB"},
        {kGiB / 2, "壁纸下磁盘剩余空间:0GB"},
        {5000 * kGiB + 7, "壁纸下磁盘剩余空间:5000GB"},
        {std::nullopt, "壁纸下磁盘剩余空间"},
    };
    for (const Case& c : cases) {
        disk.freeBytes.clear();
        if (c.bytes) disk.freeBytes[dir.Path().string()] = *c.bytes;
        dlg.reset();
        Setting& settings = OpenSettings();
        EXPECT_EQ(settings.GetDlgItemText(kIdFreeSpace), c.text);
    }
}

TEST_F(SettingsDialogTest, BrowseReplacesTheCollectionAtOnceAndCancelKeepsIt) {
    test::TempDir other;
    const std::string chosen = (other / "我的 壁纸").string();
    std::filesystem::create_directory(chosen);
    disk.freeBytes[dir.Path().string()] = 9 * kGiB;
    disk.freeBytes[chosen] = 3 * kGiB;
    Setting& settings = OpenSettings();
    auto* field = dynamic_cast<Edit*>(settings.GetDlgItem(kIdCollectionField));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetWindowText(), dir.Path().string());
    EXPECT_EQ(field->GetFormattingRect(), field->GetClientRect().Offset(5, 4));
    EXPECT_EQ(settings.GetDlgItemText(kIdFreeSpace), "壁纸下磁盘剩余空间:9GB");

    host.ScriptFolder(std::nullopt);
    Click(settings, kIdBrowse);
    ASSERT_EQ(host.folderDialogs.size(), 1u);
    EXPECT_EQ(host.folderDialogs[0].title, "请选择需要的目录：");
    EXPECT_EQ(host.folderDialogs[0].owner, settings.GetSurface());
    EXPECT_EQ(Strings().collectionDirectory, dir.Path().string());

    host.ScriptFolder(chosen);
    Click(settings, kIdBrowse);
    EXPECT_EQ(Collection(), chosen);
    EXPECT_EQ(Strings().collectionDirectory, chosen);
    EXPECT_EQ(field->GetWindowText(), chosen);
    EXPECT_EQ(settings.GetDlgItemText(kIdFreeSpace), "壁纸下磁盘剩余空间:3GB");

    Click(settings, IDCANCEL);
    EXPECT_EQ(Collection(), chosen);
    EXPECT_EQ(Strings().collectionDirectory, chosen);
    OpenSettings();
    EXPECT_EQ(field->GetWindowText(), chosen);
}

}  // namespace
}  // namespace lumora
