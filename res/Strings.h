#pragma once
// The string table: prompts ("description\ntooltip"), titles and the other
// user-visible texts, looked up by resource or command id.

#include <QString>

QString LoadString(int id);
// The description part of a prompt (shown in the message pane).
QString PromptDescription(int id);
// The tooltip part of a prompt, empty where the prompt has none.
QString PromptTooltip(int id);

// Strings that have no command id of their own.
enum {
    AFX_IDS_IDLEMESSAGE = 0xE001,
    AFX_IDS_APP_TITLE = 0xE000,
    ID_INDICATOR_EXT = 0xE700,
    ID_INDICATOR_CAPS = 0xE701,
    ID_INDICATOR_NUM = 0xE702,
    ID_INDICATOR_SCRL = 0xE703,
    ID_INDICATOR_OVR = 0xE704,
    ID_INDICATOR_REC = 0xE705,
    AFX_IDS_SCSIZE = 0xEF00,
    AFX_IDS_SCMOVE = 0xEF01,
    AFX_IDS_SCMINIMIZE = 0xEF02,
    AFX_IDS_SCMAXIMIZE = 0xEF03,
    AFX_IDS_SCNEXTWINDOW = 0xEF04,
    AFX_IDS_SCPREVWINDOW = 0xEF05,
    AFX_IDS_SCCLOSE = 0xEF06,
    AFX_IDS_SCRESTORE = 0xEF12,
    AFX_IDS_SCTASKLIST = 0xEF13,
    AFX_IDS_MDICHILD = 0xEF1F,
    AFX_IDS_PREVIEW_CLOSE = 0xF005,
};
