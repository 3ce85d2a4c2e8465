#include "forms/facilities/rect_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {

// The four rows of one basin type, top to bottom.
const BoxField kRows[4] = {
    {'w', "巾  Ｗ＝", "ｍ"},
    {'l', "長さ Ｌ＝", "ｍ"},
    {'h', "高さ Ｈ＝", "ｍ"},
    {'n', "個数 Ｎ＝", "個"},
};
const char* const kMarks[2] = {"①", "②"};

constexpr int kWidth = 5460;
constexpr int kHeight = 4800;
constexpr int kTypeWidth = 2640;
constexpr int kRowsTop = 3180;
constexpr int kRowStep = 360;

struct RectKind {
    const char* widthBox;
    CaseField W, L, H, N;
    ResultFields results;
};

using D = DesignCase;
const RectKind kKinds[] = {
    {"txt1w", &D::rect1W, &D::rect1L, &D::rect1H, &D::rect1N,
     {&D::rect1a, &D::rect1b, nullptr, &D::rect1Kf, &D::rect1Qf, &D::rect1Q, &D::rect1Fc}},
    {"txt2w", &D::rect2W, &D::rect2L, &D::rect2H, &D::rect2N,
     {&D::rect2a, &D::rect2b, nullptr, &D::rect2Kf, &D::rect2Qf, &D::rect2Q, &D::rect2Fc}},
};

} // namespace

Form5::Form5(App& app) : FacilityDialog(app)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("長方形砕石層"));
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    addTitle(QStringLiteral("浸透桝　長方形砕石層"));

    auto* drawing = new RectangularBasinSchematic(this);
    drawing->setObjectName(QStringLiteral("schematic"));
    placeTwips(drawing, 120, 420, 5220, 2280);
    placeTwips(addLabel(this, "lblSurface", QStringLiteral("浸透面　側面及び底面")), 120, 2760, 5220, 300);

    std::vector<TextBox*> chain;
    for (int type = 1; type <= 2; ++type) {
        const int left = 120 + (type - 1) * kTypeWidth;
        const QByteArray t = QByteArray::number(type);
        placeTwips(addLabel(this, ("lbl" + t).constData(), QString::fromUtf8(kMarks[type - 1])), left, kRowsTop,
                   240, 300);
        for (int row = 0; row < 4; ++row) {
            chain.push_back(addInputRow(t, kRows[row], left + 360, kRowsTop + row * kRowStep).box);
        }
        // A bracket "[" to the left of the four rows.
        const int bracketTop = kRowsTop - 30;
        const int bracketHeight = 4 * kRowStep - 30;
        placeTwips(addLine(this, ("Line" + t + "1").constData(), false), left + 255, bracketTop, 75, 15);
        placeTwips(addLine(this, ("Line" + t + "2").constData(), true), left + 240, bracketTop, 30, bracketHeight);
        placeTwips(addLine(this, ("Line" + t + "3").constData(), false), left + 255, bracketTop + bracketHeight - 15,
                   75, 15);
    }
    // Enter runs through type ① and on into type ②; txt2n has no Enter handling.
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        chain[i]->chainEnter({chain[i + 1]}, TextBox::EnterKey::PassOn);

    txt1w = box("txt1w"), txt1l = box("txt1l"), txt1h = box("txt1h"), txt1n = box("txt1n");
    txt2w = box("txt2w"), txt2l = box("txt2l"), txt2h = box("txt2h"), txt2n = box("txt2n");
}

void Form5::Keisuu()
{
    readBoxes({{"txt1w", &D::rect1W}, {"txt1l", &D::rect1L}, {"txt1h", &D::rect1H}, {"txt1n", &D::rect1N},
               {"txt2w", &D::rect2W}, {"txt2l", &D::rect2L}, {"txt2h", &D::rect2H}, {"txt2n", &D::rect2N}});
}

void Form5::Keisan()
{
    DesignCase& rec = app().record;
    for (const RectKind& k : kKinds)
        if (filled(k.widthBox))
            storeResults(rec, k.results, rectangularBasin(rec.*k.W, rec.*k.L, rec.*k.H), rec.*k.N);
}

std::vector<KeyBox> Form5::keyBoxes() const { return {{txt1w, &D::rect1Fc}, {txt2w, &D::rect2Fc}}; }

} // namespace akuenza
