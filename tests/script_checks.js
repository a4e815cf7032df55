// What the JScript test clients share. Wine's cscript runs no includes, so
// scripts/wine-tests.sh puts this file in front of each client and runs the
// two as one script; line numbers in cscript's errors count from here.
// A client calls useNewInstallation first and, at its end,
// restoreInstallation and then printSummary, whose line "N passed, M failed"
// the harness checks.

var kTessalyKey = "HKCU\\Software\\Orvane\\Orvane Tessaly\\";
var passed = 0, failed = 0;
var shell = new ActiveXObject("WScript.Shell");
var fso = new ActiveXObject("Scripting.FileSystemObject");
var install = null, previousInstall = null;

function check(name, actual, expected) {
  if (actual === expected) {
    passed++;
  } else {
    failed++;
    WScript.Echo("FAILED " + name + ": got [" + actual + "], expected [" + expected + "]");
  }
}

// A fresh installation folder of the run's own under %TEMP%, its name
// starting with `prefix`, named in the registry until restoreInstallation.
function useNewInstallation(prefix) {
  install = fso.BuildPath(shell.ExpandEnvironmentStrings("%TEMP%"), prefix + fso.GetTempName());
  fso.CreateFolder(install);
  fso.CreateFolder(fso.BuildPath(install, "Profiles"));
  try { previousInstall = shell.RegRead(kTessalyKey + "Installation Path"); } catch (e) {}
  shell.RegWrite(kTessalyKey + "Installation Path", install, "REG_SZ");
}

function restoreInstallation() {
  if (previousInstall === null) {
    // Wine's RegDelete fails (0x1BD): reg.exe removes the value.
    shell.Run('reg delete "HKCU\\Software\\Orvane\\Orvane Tessaly" /v "Installation Path" /f',
              0, true);
  } else {
    shell.RegWrite(kTessalyKey + "Installation Path", previousInstall, "REG_SZ");
  }
  try { fso.DeleteFolder(install, true); } catch (e) {}
}

function printSummary() {
  WScript.Echo(passed + " passed, " + failed + " failed");
}
