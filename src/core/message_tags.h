#pragma once

#include <QStringView>

// The short tags of the failure messages, "description (TAG number)", by the action that
// shows them. Sellers quote them when they ask for help, so they never change.
namespace core::tag {

// Start-up and the standing choices
inline constexpr QStringView StartUp = u"CH";     // preparing the workspace
inline constexpr QStringView TextTables = u"FI";  // the main window's text tables
inline constexpr QStringView RestoreForm = u"GI"; // restoring the standing choices
inline constexpr QStringView ApplyHeld = u"FA";   // putting the held values back
inline constexpr QStringView SaveForm = u"SI";    // saving the standing choices

// Listings and their files
inline constexpr QStringView AssemblePage = u"CH";
inline constexpr QStringView SaveDraft = u"mSS";
inline constexpr QStringView OpenDraft = u"mSO";
inline constexpr QStringView OpenFinished = u"mCO";
inline constexpr QStringView FinishListing = u"F1CC";
inline constexpr QStringView ListingDataFiles = u"DDW"; // writing a listing's data files
inline constexpr QStringView ListingIndex = u"RDW";     // writing the index
inline constexpr QStringView FileManager = u"RDW";
inline constexpr QStringView FileManagerList = u"ListSet";
inline constexpr QStringView FileManagerPreview = u"PreviewButton";
inline constexpr QStringView List = u"Command2"; // the listing guide and what leads to it
inline constexpr QStringView ChooseTemplate = u"CB19";
inline constexpr QStringView Preview = u"CB12";

// Phrases and the editor
inline constexpr QStringView InsertPhrase = u"Insert";
inline constexpr QStringView PaymentExplanation = u"CB9";
inline constexpr QStringView ShippingExplanation = u"CB15";
inline constexpr QStringView NotesExplanation = u"CB18";
inline constexpr QStringView EditorMenu = u"mnuediter";
inline constexpr QStringView EditorSettings = u"OKButton";
inline constexpr QStringView NotepadSave = u"Save";

// The account and the web
inline constexpr QStringView AccountId = u"M1ID";
inline constexpr QStringView ReadPassword = u"M1PG";
inline constexpr QStringView WritePassword = u"M1PP";
inline constexpr QStringView SearchProduct = u"CB8";
inline constexpr QStringView JapanPostRates = u"CB5";
inline constexpr QStringView YamatoRates = u"CB4";
inline constexpr QStringView HomePage = u"CB5";
inline constexpr QStringView Manual = u"CB5";

// Backups
inline constexpr QStringView Backup = u"BK";
inline constexpr QStringView Restore = u"RS";

} // namespace core::tag
