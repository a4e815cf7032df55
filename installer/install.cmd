@echo off
rem Registers the developer kit's DLLs, each with the regsvr32 of its own
rem registry view: on 64-bit Windows the x86 DLL with SysWOW64's regsvr32
rem and the x64 DLL with System32's (Sysnative's when this runs as a 32-bit
rem command processor); on 32-bit Windows the x86 DLL alone. Run it as an
rem administrator. Exits non-zero when a registration fails.
setlocal
set "kit=%~dp0"
set "native=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "native=%SystemRoot%\Sysnative"
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" goto windows64
"%native%\regsvr32.exe" /s "%kit%x86\TessalySDK.dll" || goto failed
echo Registered x86\TessalySDK.dll
exit /b 0

:windows64
"%SystemRoot%\SysWOW64\regsvr32.exe" /s "%kit%x86\TessalySDK.dll" || goto failed
echo Registered x86\TessalySDK.dll (32-bit view)
"%native%\regsvr32.exe" /s "%kit%x64\TessalySDK.dll" || goto failed
echo Registered x64\TessalySDK.dll (64-bit view)
exit /b 0

:failed
echo Registration failed (regsvr32 exit code %errorlevel%) 1>&2
exit /b 1
