// Sample: configures a profile of its own, adds a PDF bookmark for the next
// job and prints a text document to the "Orvane Tessaly" printer through
// the program that the shell prints .txt files with (PrintDocument with
// SourceApplication 3 = Other).
//
// Usage: cscript //nologo print_document.js [document]
// Without a document it writes "Tessaly sample.txt" to %TEMP% and prints
// that. The last line is "sample: done".
var Other = 3;
var shell = new ActiveXObject("WScript.Shell");
var fso = new ActiveXObject("Scripting.FileSystemObject");
var document;
if (WScript.Arguments.length > 0) {
  document = fso.GetAbsolutePathName(WScript.Arguments(0));
} else {
  document = fso.BuildPath(shell.ExpandEnvironmentStrings("%TEMP%"), "Tessaly sample.txt");
  var stream = fso.CreateTextFile(document, true);
  stream.WriteLine("Tessaly sample");
  stream.WriteLine("Printed from JScript through the shell's print verb.");
  stream.Close();
}

var tessaly = new ActiveXObject("TessalySDK.qvTessaly");

// A profile of the sample's own, made again on every run, selected for the job.
try {
  tessaly.DeleteProfile("JScript sample");
} catch (e) {
  // Not there yet.
}
var profile = tessaly.CreateNewProfile("JScript sample");
profile.DocInfoTitle = "Tessaly sample";
profile.DocInfoAuthor = "JScript";
tessaly.SelectCurrentProfile("JScript sample");
WScript.Echo("Profile: " + tessaly.CurrentProfileName + ", title \"" +
             tessaly.CurrentProfile.DocInfoTitle + "\"");

// The bookmark goes into the next job's list: text, level, vertical position, page.
WScript.Echo("Bookmark number: " + tessaly.AddPDFBookmark("Tessaly sample", 1, 0, 1));

tessaly.SourceApplication = Other;
tessaly.PrintDocument(document);
WScript.Echo("Printed " + document + " to " + tessaly.PrinterName);
WScript.Echo("sample: done");
