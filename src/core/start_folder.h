#pragma once
// The folder the desktop program starts in. From a terminal that is the working directory; from the
// desktop's menu the working directory is the home folder or "/", which is no place for a scorer's
// event files: there the program moves to a folder of its own for the events, made on the first
// start with the sample settings file in it.
#include <filesystem>
#include <string>

struct StartFolders {
  std::filesystem::path workingDir;
  std::filesystem::path home;            // $HOME; empty when unknown
  std::filesystem::path documents;       // the user's documents folder; may not exist
  std::filesystem::path dataHome;        // $XDG_DATA_HOME, or ~/.local/share
  std::filesystem::path sampleSettings;  // <prefix>/share/tallivar/TALLIVAR.INI; may not exist
};

struct StartFolderChoice {
  std::filesystem::path dir;  // where to start; the working directory when nothing was made
  bool created = false;       // the events folder was made by this start
  std::string problem;        // "cannot make the folder ...", when it could not (dir is then the working one)
};

// Whether the working directory is the scorer's own: it holds a settings file, or it is neither
// "/" nor the home folder and can be written to.
bool IsEventsWorkingDir(const StartFolders& f);

// The scorer's events folder: "Tallivar" in the documents folder when that exists, otherwise
// "tallivar" in the data folder.
std::filesystem::path EventsFolder(const StartFolders& f);

// The working directory when it is the scorer's own; otherwise the events folder, made the first
// time and given a copy of the sample settings file when it has none (an existing one is kept).
StartFolderChoice ChooseStartFolder(const StartFolders& f);
