@echo off
rem Unregisters the developer kit's DLLs, each with the regsvr32 of its own
rem registry view (see install.cmd). Both are tried; exits non-zero when an
rem unregistration fails.
setlocal
set "kit=%~dp0"
set "native=%SystemRoot%\System32"
set failed=0
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "native=%SystemRoot%\Sysnative"
if not exist "%SystemRoot%\SysWOW64\regsvr32.exe" goto windows32
"%native%\regsvr32.exe" /s /u "%kit%x64\TessalySDK.dll" || set failed=1
"%SystemRoot%\SysWOW64\regsvr32.exe" /s /u "%kit%x86\TessalySDK.dll" || set failed=1
goto done

:windows32
"%native%\regsvr32.exe" /s /u "%kit%x86\TessalySDK.dll" || set failed=1

:done
if %failed%==1 echo Unregistration failed 1>&2
exit /b %failed%
