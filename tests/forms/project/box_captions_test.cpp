// Messages send the engineer to a box by what he reads on screen: every box
// a project file or a sheet can name has a caption, never a control name.
#include "support/form_test.h"

#include "core/project/project_file.h"
#include "forms/project/window_values.h"

namespace akuenza::test {

using BoxCaptions = FormTest;

TEST_F(BoxCaptions, EveryTextBoxOfTheProjectFileIsNamedByItsCaption)
{
    int boxes = 0;
    for (const ProjectGroup& group : projectLayout())
        for (const ProjectItem& item : group.items) {
            if (item.kind != LineKind::Text)
                continue;
            ++boxes;
            const QString named = describe(app(), item);
            EXPECT_FALSE(named.contains(QString::fromLatin1(item.control))) << named.toStdString();
            EXPECT_FALSE(named.contains(QString::fromLatin1(item.window))) << named.toStdString();
        }
    EXPECT_GT(boxes, 90);

    const struct {
        const char* window;
        const char* control;
        const char* named;
    } examples[] = {
        {"Form1", "txt_t", "「設計条件」の「土質の名称」"},
        {"Form2", "txt21h", "「正方形砕石層」の「底面 ① 高さ Ｈ」"},
        {"Form5", "txt2l", "「長方形砕石層」の「② 長さ Ｌ」"},
        {"Form15", "txt2s", "「浸透舗装、池」の「浸透池 面積 Ｓ」"},
        {"Form16", "txt_t3", "「流出係数（加重平均）」の「土地利用形態（3行目）」"},
        {"Form13", "txt3", "「流入時間の計算」の「遅滞係数 n」"},
    };
    for (const auto& e : examples)
        EXPECT_EQ(describe(app(), {e.window, e.control, LineKind::Text}), QString::fromUtf8(e.named));
}

} // namespace akuenza::test
