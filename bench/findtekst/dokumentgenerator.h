#pragma once

#include "bench/findtekst/manifest.h"

// The documents of the text search benchmarks: one folder of 2,000, about 28 MB: 700 .txt, 500
// .html and 400 .xml in UTF-8, and 400 .rtf in Windows-1252 with a font and a colour table and
// groups of formatting around words. They are made from a fixed seed, so they are the same on
// every machine. Every line (an RTF paragraph) starts with its number and a blank and is shorter
// than 110 characters as read, so a line as the search lays it out is a line of the file.
// The search words are planted in several forms, never overlapping: "kaffe" as kaffe, Kaffe,
// KAFFE, morgenkaffe, kaffekop; "blåbær" as blåbær, Blåbær, BLÅBÆR, blåbærtærte, in RTF sometimes
// split by a group ("bl{\b \'e5}b\'e6r"). Some RTF documents name a font "Kaffe Sans", which is
// no text.
struct Dokumentsaet {
    QString mappe;
    Manifest manifest;
};

// The documents under rod: the folder "dokumenter" and, beside it, the manifest; made afresh when
// rod's stamp is missing or names another seed or version.
Dokumentsaet dokumentsaet(const QString& rod);
