' The installed SDK as a script host meets it: the class created by its
' ProgID, one property read. Run by tests/installer/msi-test.sh after the
' package is installed; its last line tells.
Dim tessaly
Set tessaly = CreateObject("TessalySDK.qvTessaly")
WScript.Echo "msi-client: created, printer " & tessaly.PrinterName
