// The end of a copy request: the completion notice, then the offers to run
// the product's follow-up tools in the target folder.
#pragma once

#include <string>

class CWnd;

// Shows the notice and asks the follow-up questions in turn. Before each
// launch the dialog is hidden and the target folder made current; when it
// cannot be, that launch is reported and skipped.
void OfferFollowUps(CWnd& dialog, const std::string& targetFolder);
