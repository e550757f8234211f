// The help text numbers of the dialogs and steps, so every caller names the same entry.
#pragma once

#include <array>

namespace vx11 {

// Shared help file (below 4000).
inline constexpr int kHelpLoads = 1000;
inline constexpr int kHelpPrintSetup = 1030;
inline constexpr int kHelpPrintSetupTable = 1040;
// The report stream's questions: the channel, the text printer, the output file.
inline constexpr int kHelpChannelChoice = 1050;
inline constexpr int kHelpTextPrinter = 1060;
inline constexpr int kHelpOutputFile = 1070;
inline constexpr int kHelpUserFolder = 1120;
inline constexpr int kHelpMessageChoice = 1210;
inline constexpr int kHelpWorkingFolder = 1605;
inline constexpr int kHelpMessageDescription = 1970;
inline constexpr int kHelpMessageList = 2070;
inline constexpr int kHelpPictureList = 2300;
inline constexpr int kHelpPictureAppend = 2310;
inline constexpr int kHelpPictureDelete = 2320;
inline constexpr int kHelpPictureChangeName = 2330;
inline constexpr int kHelpPictureChangeInfo = 2340;
inline constexpr int kHelpPictureInsert = 2350;
inline constexpr int kHelpPicturePrintPort = 2360;
inline constexpr int kHelpPicturePrintControl = 2370;
inline constexpr int kHelpTableSearch = 2450;
inline constexpr int kHelpDocumentProgram = 2710;
inline constexpr int kHelpDocumentFile = 2720;
inline constexpr int kHelpDocuments = 2730;
inline constexpr int kHelpChangeEntry = 3000;
inline constexpr int kHelpTitleBlock = 3010;
inline constexpr int kHelpOverwrite = 3055;
inline constexpr int kHelpResultTable = 3400;

// The program's own help file (4000 and up).
inline constexpr int kHelpHistory = 4000;  // the version history of the Help menu
inline constexpr int kHelpDimensionsAndMaterials = 5040;
inline constexpr int kHelpDesignAid = 5050;
inline constexpr int kHelpPictureKA = 5120;
inline constexpr int kHelpPictureFW = 5160;
inline constexpr int kHelpPictureFL = 5170;
inline constexpr int kHelpMaterialName = 5300;
inline constexpr int kHelpYieldStress = 5310;
inline constexpr int kHelpMaterialNumber = 5340;
inline constexpr int kHelpSupportFactor = 5400;
inline constexpr int kHelpHardnessFactor = 5410;
inline constexpr int kHelpDrawingChoice = 8270;  // the view choice of the drawings
inline constexpr int kHelpMaterialTable = 9500;
inline constexpr int kHelpKeyTable = 9510;
inline constexpr int kHelpMaterialTypeTable = 9520;
inline constexpr int kHelpShaftSeriesTable = 9530;

inline constexpr std::array kHelpNumbers{
    kHelpLoads, kHelpPrintSetup, kHelpPrintSetupTable, kHelpChannelChoice, kHelpTextPrinter, kHelpOutputFile,
    kHelpUserFolder, kHelpMessageChoice, kHelpWorkingFolder, kHelpMessageDescription, kHelpMessageList,
    kHelpPictureList, kHelpPictureAppend, kHelpPictureDelete, kHelpPictureChangeName, kHelpPictureChangeInfo,
    kHelpPictureInsert, kHelpPicturePrintPort, kHelpPicturePrintControl, kHelpTableSearch,
    kHelpDocumentProgram, kHelpDocumentFile, kHelpDocuments, kHelpChangeEntry, kHelpTitleBlock,
    kHelpOverwrite, kHelpResultTable, kHelpHistory, kHelpDimensionsAndMaterials, kHelpDesignAid, kHelpPictureKA,
    kHelpPictureFW, kHelpPictureFL, kHelpMaterialName, kHelpYieldStress, kHelpMaterialNumber, kHelpSupportFactor,
    kHelpHardnessFactor, kHelpDrawingChoice, kHelpMaterialTable, kHelpKeyTable, kHelpMaterialTypeTable,
    kHelpShaftSeriesTable};

}  // namespace vx11
