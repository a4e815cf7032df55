// TessalySDK.dll from a JScript client: creation by ProgID, calls through
// IDispatch, an SDK error as e.number and e.description, and an object
// handed out by the main object. Ends with the line "N passed, M failed",
// which scripts/wine-tests.sh checks.

useNewInstallation("tessaly-server-js-");

try {
  var tessaly = new ActiveXObject("TessalySDK.qvTessaly");
  check("PrinterName", tessaly.PrinterName, "Orvane Tessaly");
  check("Edition", tessaly.Edition, "Professional");

  tessaly.OutputDocumentName = "Report 7";
  check("OutputDocumentName", tessaly.OutputDocumentName, "Report 7");

  var settings = tessaly.CurrentProfile;
  settings.DocInfoTitle = "From JScript";
  check("a second wrapper sees the first one's change",
        tessaly.CurrentProfile.DocInfoTitle, "From JScript");

  var caught = null;
  try {
    tessaly.DeleteProfile("No such profile");
  } catch (e) {
    caught = e;
  }
  check("error raised", caught !== null, true);
  if (caught !== null) {
    check("e.number", (caught.number >>> 0).toString(16), "80041b00");
    check("e.description", caught.description, "The profile by specified name does not exists.");
  }
  settings = null;
  tessaly = null;
  CollectGarbage();
} catch (e) {
  failed++;
  WScript.Echo("FAILED unexpected error " + (e.number >>> 0).toString(16) + ": " + e.description);
}

restoreInstallation();
printSummary();
