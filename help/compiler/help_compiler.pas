{ Compiles the help project into tnix.chm with the chm units of Free Pascal,
  the same ones chmcmd is made of. chmcmd itself (3.2.2) puts the folder the
  project was compiled in before every page of the context map, so a viewer
  that looks a context id up finds a path of the build machine instead of a
  page of the file. Here the map names each page as the project lists it:
  its path inside the file, relative, like "en/index.html".

  Usage: help_compiler PROJECT.hhp   (the compiled file is written where the
  project's "Compiled file" says, relative to the current folder) }
program help_compiler;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils, chmwriter, chmfilewriter;

type
  THelpProject = class(TChmProject)
  public
    procedure WriteHelpFile(AOutStream: TStream);
  end;

procedure THelpProject.WriteHelpFile(AOutStream: TStream);
var
  Writer: TChmWriter;
  Node: TChmContextNode;
  I: Integer;
begin
  LoadSitemaps;
  Writer := TChmWriter.Create(AOutStream, False);
  try
    Writer.OnGetFileData := @GetData;
    Writer.OnLastFile := @LastFileAdded;
    Writer.FilesToCompress.AddStrings(Files);
    Writer.FilesToCompress.AddStrings(OtherFiles);
    Writer.DefaultPage := DefaultPage;
    Writer.Title := Title;
    Writer.DefaultFont := DefaultFont;
    Writer.FullTextSearch := MakeSearchable;
    Writer.HasBinaryTOC := MakeBinaryTOC;
    Writer.HasBinaryIndex := MakeBinaryIndex;
    Writer.IndexName := IndexFileName;
    Writer.TocName := TableOfContentsFileName;
    Writer.DefaultWindow := DefaultWindow;
    Writer.LocaleID := LocaleID;
    for I := 0 to Files.Count - 1 do
    begin
      if not FileExists(ProjectDir + Files[I]) then
        raise Exception.Create('the project lists ' + Files[I] + ', which is not there');
      Node := TChmContextNode(Files.Objects[I]);
      if Assigned(Node) and (Node.ContextNumber <> 0) then
        Writer.AddContext(Node.ContextNumber, Files[I]);
    end;
    Writer.Execute;
  finally
    Writer.Free;
  end;
end;

var
  Project: THelpProject;
  Output: TFileStream;
begin
  if ParamCount <> 1 then
  begin
    WriteLn(StdErr, 'usage: help_compiler PROJECT.hhp');
    Halt(2);
  end;
  Project := THelpProject.Create;
  try
    try
      Project.LoadFromhhp(ParamStr(1), False);
      Output := TFileStream.Create(Project.OutputFileName, fmCreate);
      try
        Project.WriteHelpFile(Output);
      finally
        Output.Free;
      end;
    except
      on E: Exception do
      begin
        WriteLn(StdErr, 'help_compiler: ', E.Message);
        Halt(1);
      end;
    end;
  finally
    Project.Free;
  end;
end.
