#pragma once
// "Add Records": a new word with its meanings, stored in the table of its level.

#include "screens/Screen.h"
#include "screens/tables/Form1Table.h"
#include "store/Recordset.h"
#include "store/WordRecord.h"

#include <array>
#include <memory>

namespace lexitor::entry {

class Form1 : public screens::ScreenWith<screens::Form1Controls> {
    Q_OBJECT
public:
    explicit Form1(const screens::Services& services);

    void cmdAdd_Click();
    void cmdExit2_Click();
    // Sets Cancel to keep the focus in the level box.
    void txtlevel_Validate(bool& Cancel);

protected:
    void Form_Load() override;
    void closeRequested() override { cmdExit2_Click(); }

private:
    // Shows a refusal and puts the focus into the box at fault.
    void refuse(const QString& text, int code, const QString& title, QLineEdit* box,
                bool selectText);
    bool existsInAnyLevel(const QString& searchWord);
    void addRow(int level);

    std::array<QString, store::kLevelCount> levelFile_;
    std::array<std::unique_ptr<store::Database>, store::kLevelCount> levelDb_;
    std::array<std::unique_ptr<store::Recordset>, store::kLevelCount> levelRs_;
};

} // namespace lexitor::entry
