// How far a skin definition is read, drawn and checked, whatever it holds. Every limit lies far
// beyond any real skin: one that reaches it is generated or hostile, so what lies past it is left
// out and said, and no definition can hold a program's time, memory or handles. (The package
// format's own limits stand with its reader, in zip_reader.h.)
#pragma once
#include <cstddef>
#include <cstdint>

// A definition longer than this is neither drawn nor checked in a package: characters of its
// text, or bytes as a package stores it.
const size_t kSkinLongestDefinition = 4u << 20;

// The markup: attributes of one tag kept for its readers; those behind are read past.
const size_t kSkinMostTagAttributes = 1024;

// The document: elements, how deep they nest, unclosed tags followed, attributes in all.
const size_t kSkinMostElements = 20000;
const size_t kSkinDeepestNesting = 64;
const size_t kSkinMostOpenTags = 256;
const size_t kSkinMostAttributes = 200000;

// A render: elements drawn, pixels touched, SUBVIEWs within SUBVIEWs, problems listed.
const size_t kSkinMostDrawn = 5000;
const uint64_t kSkinMostWork = 256ull << 20;
const int kSkinDeepestSubview = 8;
const size_t kSkinMostProblems = 1000;
// Images and views: a side, and pixels in all.
const int kSkinWidest = 16384;
const uint64_t kSkinMostPixels = 64ull << 20;
// A file this long cannot hold an image within the limits above, whatever its format.
const uint64_t kSkinLongestImageFile = 128ull << 20;
// What one render may hold: its picture, the images it draws and its button maps, in bytes;
// and distinct image names it reads.
const size_t kSkinRenderBytes = 320u << 20;
const size_t kSkinMostImages = 1000;
// GDI fonts a render makes (a process has 10,000 GDI objects for everything, and each font
// costs Windows a search of the installed faces): texts of further looks take the default one.
const size_t kSkinMostFonts = 64;
// Whole numbers far beyond any screen are held at this many pixels, either way.
const long kSkinFarthest = 1000000;
// Characters of a TEXT's value laid out.
const size_t kSkinLongestText = 1024;
// jscript: positions and sizes: characters and nesting of one, expressions evaluated within one
// another, element properties answered within one another, values noted as not evaluated.
// Together they keep the stack to a few hundred kilobytes.
const size_t kSkinLongestExpression = 4096;
const int kSkinDeepestExpression = 32;
const size_t kSkinDeepestExpressionChain = 32;
const int kSkinDeepestAnswer = 16;
const size_t kSkinMostNotes = 1000;
// Sample covers a render makes to fit its boxes (past them one is stretched), their side, and
// how many are kept for every render.
const size_t kSkinMostCovers = 8;
const int kSkinLargestCover = 512;
const size_t kSkinCoversKept = 8;

// A check: findings listed before it stops.
const size_t kSkinMostFindings = 10000;
// File names a package check looks up before it stops looking.
const size_t kSkinMostFileReferences = 20000;
