#pragma once

#include "support/NativeOwner.h"
#include "scores/HighScoreFile.h"
#include "support/ScriptedDialogs.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/QtTranslations.h"
#include "core/VersionText.h"
#include "Version.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace lumora::test {

// Every window test starts here: the version text as Main builds it, the fonts and Qt's
// Japanese texts.
inline void prepareWindows()
{
    buildVersionText();
    ui::installFontSubstitutes();
    ui::installQtTranslations();
}

// And a high-score file of the test's own, so no round a test plays can reach the player's file.
inline void prepareProgram()
{
    static QTemporaryDir scores;
    static HighScoreFileOverride useScores(scores.filePath(QStringLiteral("LumoraHigh.Dll")));
    prepareWindows();
}

// The version the windows show, from the generated version header.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(build::kVersionMajor).arg(build::kVersionMinor).arg(build::kVersionRevision);
}

// Ends every window as the program's end does and lets Qt delete them.
inline void discardAllWindows()
{
    ui::FormRegistry::discardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Owned, as Qt sees it and, where the platform shows it, as the window system does: it stays
// above its owner whatever the player clicks.
inline void verifyOwnedBy(QWidget &window, QWidget &owner)
{
    QVERIFY(window.windowHandle() && owner.windowHandle());
    QCOMPARE(window.windowHandle()->transientParent(), owner.windowHandle());
    const NativeOwner native = nativeOwner(window);
    if (const auto *notAsked = std::get_if<QString>(&native))
        QFAIL(qPrintable("the window system could not be asked for the owner: " + *notAsked));
    if (const auto *held = std::get_if<WId>(&native))
        QCOMPARE(*held, owner.winId());
}

inline QStringList loadedFormNames()
{
    QStringList names;
    for (const ui::Form *form : ui::FormRegistry::loaded())
        names << QString::fromStdString(form->formName());
    names.sort();
    return names;
}

} // namespace lumora::test
