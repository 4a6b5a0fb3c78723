// SPDX-License-Identifier: MIT
#include "common/core/materials.h"

#include "common/core/materialfile.h"

#include <QCoreApplication>

#include <array>

namespace common {

namespace {
// The files come from the data tool (tools/materialgen), each from the X-ray library's
// own compound or element tables; the letters are unique within the material menu.
constexpr std::array<Material, 10> all{{
    {MaterialFileName, "ICRU-soft", QT_TRANSLATE_NOOP("common::Material", "ICRU 軟部組織(&T)"),
     "ICRU four-component soft tissue"},
    {"water.dat", "water", QT_TRANSLATE_NOOP("common::Material", "水(&W)"), "water, liquid"},
    {"cortical_bone.dat", "cortical bone", QT_TRANSLATE_NOOP("common::Material", "皮質骨(&B)"),
     "cortical bone (ICRP)"},
    {"adipose.dat", "adipose", QT_TRANSLATE_NOOP("common::Material", "脂肪組織(&F)"),
     "adipose tissue (ICRP)"},
    {"muscle.dat", "muscle", QT_TRANSLATE_NOOP("common::Material", "筋肉(&M)"), "skeletal muscle"},
    {"lung.dat", "lung", QT_TRANSLATE_NOOP("common::Material", "肺(&L)"), "lung (ICRP)"},
    {"pmma.dat", "PMMA", QT_TRANSLATE_NOOP("common::Material", "PMMA(&A)"),
     "PMMA (acrylic, Lucite, Perspex)"},
    {"aluminium.dat", "Al", QT_TRANSLATE_NOOP("common::Material", "アルミニウム(&U)"), "aluminium"},
    {"copper.dat", "Cu", QT_TRANSLATE_NOOP("common::Material", "銅(&C)"), "copper"},
    {"lead.dat", "Pb", QT_TRANSLATE_NOOP("common::Material", "鉛(&P)"), "lead"},
}};
} // namespace

std::span<const Material> materials() { return all; }

const Material &defaultMaterial() { return all.front(); }

MaterialName materialName(const Material &material)
{
    return {QString::fromLatin1(material.name), QString::fromLatin1(material.fileName)};
}

QString menuText(const Material &material)
{
    return QCoreApplication::translate("common::Material", material.menuText);
}

QString displayName(const Material &material)
{
    // "水(&W)" -> "水", "PMMA(&A)" -> "PMMA"; a mnemonic inside a word loses its '&'.
    QString text = menuText(material);
    const qsizetype open = text.lastIndexOf(QStringLiteral("(&"));
    if (open > 0 && text.endsWith(QLatin1Char(')')))
        text.truncate(open);
    return text.remove(QLatin1Char('&')).trimmed();
}

} // namespace common
