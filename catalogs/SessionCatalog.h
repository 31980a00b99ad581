#pragma once
// The session changes that cut catalog lines: a catalog becomes the session's catalog, one of
// its objects becomes the current object. The window's controller and the command-line tool
// both go through these, so a catalog is installed the same way in both.
#include <string>
#include <vector>

#include "core/Session.h"

namespace vagaris {

// `lines` become the session's catalog with the layout `kind` ('C' comets, 'A' minor
// planets): the selectors list the names (columns 1-40, trimmed), enabled, at object 0 (-1
// for an empty catalog); the comet list holds the lines of a comet catalog; the anti-tail
// list is emptied and CatalogGeneration counts the load. An empty catalog empties the element
// boxes; otherwise they stay until an object is selected. CurrentInstant stays.
void InstallCatalog(Session& session, char kind, std::vector<std::string> lines);

// Catalog object `index` becomes the current object: the selectors point at it and its line
// is cut into the element boxes. Returns false, changing nothing, for an index outside the
// catalog.
bool SelectCatalogObject(Session& session, int index);

// Cuts catalog line `index` into session.Elements with the layout of CatalogKind (nothing
// when CatalogKind is 0 or the index is outside the catalog).
void CutCatalogLine(Session& session, int index);

}  // namespace vagaris
